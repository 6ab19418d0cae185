#include "clockwnd/colour_scheme.h"

#include <windows.h>

namespace clockwnd {
namespace {

bool SystemHighContrast()
{
    HIGHCONTRASTW state{ sizeof state, 0, nullptr };
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) &&
           (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

face::Rgb SystemColour(int index)
{
    const COLORREF colour = GetSysColor(index);
    return { GetRValue(colour), GetGValue(colour), GetBValue(colour) };
}

bool Same(const std::optional<face::SystemColours>& a, const std::optional<face::SystemColours>& b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    return a->window == b->window && a->windowText == b->windowText &&
           a->highlight == b->highlight && a->highlightText == b->highlightText;
}

} // namespace

bool ColourScheme::Refresh()
{
    std::optional<face::SystemColours> system;
    if (m_source ? m_source() : SystemHighContrast())
        system =
            face::SystemColours{ SystemColour(COLOR_WINDOW), SystemColour(COLOR_WINDOWTEXT),
                                 SystemColour(COLOR_HIGHLIGHT), SystemColour(COLOR_HIGHLIGHTTEXT) };
    const bool changed = !Same(system, m_system);
    m_system = system;
    return changed;
}

face::FaceStyle ColourScheme::Shown(const face::FaceStyle& file) const
{
    return m_system ? face::HighContrastStyle(file, *m_system) : file;
}

} // namespace clockwnd
