// ClockPlacement: puts the clock window where the settings file says, and
// keeps it on the monitors there are when they or their work areas change
// (clockwnd/screen_placement.h holds the rules). Neither touches the file:
// the saved place changes only when the user saves.
#pragma once

#include "settings/window_placement.h"

#include <windows.h>

namespace clockwnd {

class ClockPlacement {
public:
    // Moves window to a saved rectangle as it is, whatever the scale of the
    // monitor it lands on; onto the nearest monitor when it lies off every
    // one.
    void MoveToSaved(HWND window, const settings::ScreenRect& saved);
    // A window no longer wholly inside some monitor's work area comes back
    // whole to the nearest; one minimised or maximised is left alone.
    void KeepOnScreen(HWND window);
    // While a move to a saved rectangle is under way: a change of scale it
    // brings about is not followed, or the size would grow at every start.
    bool PlacingSaved() const { return m_placingSaved; }

private:
    bool m_placingSaved = false;
};

} // namespace clockwnd
