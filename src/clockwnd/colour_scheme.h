// ColourScheme: the colours the face is drawn in - the settings file's, or
// the system's while Windows' high contrast is on (face/high_contrast_style.h).
// The file's colours stay what the options edit and Save writes. The state
// is read through one seam, which the tests set: Wine cannot switch it.
#pragma once

#include "face/high_contrast_style.h"

#include <functional>
#include <optional>

namespace clockwnd {

class ColourScheme {
public:
    // Whether high contrast is on; null for the system's own answer.
    using HighContrastSource = std::function<bool()>;
    void SetSource(HighContrastSource source) { m_source = std::move(source); }

    // Reads the state and the system's colours again, as after a change of
    // the settings or the colours; true when what the face shows changed.
    bool Refresh();
    face::FaceStyle Shown(const face::FaceStyle& file) const;

private:
    HighContrastSource m_source;
    // The system's colours while high contrast is on.
    std::optional<face::SystemColours> m_system;
};

} // namespace clockwnd
