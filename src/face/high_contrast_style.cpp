#include "face/high_contrast_style.h"

namespace face {

FaceStyle HighContrastStyle(const FaceStyle& file, const SystemColours& system)
{
    FaceStyle style = file;
    style.background = system.window;
    style.arrows = system.windowText;
    style.secondArrow = system.highlight;
    style.panelBox = system.highlight;
    style.panelDigits = system.highlightText;
    return style;
}

} // namespace face
