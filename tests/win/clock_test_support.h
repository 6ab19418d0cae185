// Helpers for the tests of the clock window:
//   RunClock, QuietTime   - runs a CZentimDlg as the program's main window;
//   IsSameArea, IsClippedToClockEllipse - regions, and the window's own;
//   CentredTemplateRect   - where the window stands when nothing moved it;
//   SettingsFileState     - zentim.ini's bytes and last-write time;
//   SettingsOf            - the six settings, to compare in one go;
//   RECT comparison and printing for EXPECT_EQ.
#pragma once

#include "clockwnd/zentim_dlg.h"
#include "win_test_support.h"

#include <ostream>
#include <string>
#include <vector>

bool operator==(const RECT& a, const RECT& b);
void PrintTo(const RECT& rect, std::ostream* os);

namespace wintest {

// The lines of the file that saving writes for a 240 x 240 window at
// (100, 200), a chime every 30 minutes with three flashes, a sound, two
// texts and the panel on.
extern const char* const kExampleLines[9];

// A fixed time in the middle of a minute: no interval chime is ever due,
// whatever settings a test loads.
face::ClockTime QuietTime();

// Makes dlg the application's main window, as the program does, and runs
// it with RunModalScript.
INT_PTR RunClock(CZentimDlg& dlg, const std::function<void()>& script);

// Whether two regions cover the same pixels.
bool IsSameArea(HRGN a, HRGN b);

// Clipped to the ellipse (3, 5)-(W - 3, H - 3) of the window's own size.
bool IsClippedToClockEllipse(HWND wnd);

// The template's size, centred on the primary work area.
RECT CentredTemplateRect(HWND wnd);

struct FileState {
    bool exists;
    std::string bytes;
    FILETIME written;
    bool operator==(const FileState& o) const;
};
void PrintTo(const FileState& state, std::ostream* os);

FileState SettingsFileState(const ScratchDir& dir);

using Strings = std::vector<std::string>;
// As text in the order of the fields: interval, sound, flashes, up text,
// down text, panel.
Strings SettingsOf(const CZentimDlg& dlg);

} // namespace wintest
