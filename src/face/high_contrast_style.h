// HighContrastStyle: the face in the system's colours while Windows' high
// contrast is on, free of any platform API. The user's scheme replaces the
// file's colours; the widths stay the file's.
#pragma once

#include "face/face_style.h"

namespace face {

// The colours of the system's scheme that the face takes.
struct SystemColours {
    Rgb window;        // COLOR_WINDOW
    Rgb windowText;    // COLOR_WINDOWTEXT
    Rgb highlight;     // COLOR_HIGHLIGHT
    Rgb highlightText; // COLOR_HIGHLIGHTTEXT
};

// The dial in the window's colour, hands, marks and texts in its text's;
// the second hand and the panel stand out in the highlight, the panel's
// digits in the highlight's text colour.
FaceStyle HighContrastStyle(const FaceStyle& file, const SystemColours& system);

} // namespace face
