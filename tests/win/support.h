// Helpers of the tests that run real windows under Wine or Windows.
#pragma once

#include "clockwnd/zentim_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

bool operator==(const RECT& a, const RECT& b);

namespace wintest {

// True once done() holds; false when timeoutMs passed first. Messages go
// through the windows' keyboard filters, as in the modal loops.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
inline void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}
// A window manager answers a change of a window's place or size a moment
// later, and Wine 8 applies the answer even when a later change has gone
// out: a test lets the changes settle before it looks or acts again, as a
// person's pace does.
inline void Settle() { PumpFor(200); }
// Once a window of this class and caption ("" for any) shows and takes
// input, runs act on it from a thread timer, inside whatever modal loop
// runs then.
void WhenShown(const char* caption, std::function<void(HWND)> act,
               const char* windowClass = "#32770");

// Runs dlg modally as the program's main window, script inside its loop once
// the dialog is shown and enabled; destroys the dialog after it unless the
// script ended it. Returns DoModal's result.
INT_PTR RunAsMainWindow(CDialog& dlg, const std::function<void()>& script);

// A dialog control's text, as UTF-8.
std::string Text(HWND dlg, int id);
// Presses a dialog's button as a click does.
inline void Click(HWND dlg, int id)
{
    SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
}

// Closes the options dialog as a user may: 0 Cancel, 1 Escape, 2 the close
// box, 3 Save.
void CloseOptions(HWND dlg, int way);

// While it lives, watch sees every message sent to this thread's windows.
class SentMessages {
public:
    explicit SentMessages(std::function<void(const CWPSTRUCT&)> watch);
    ~SentMessages();

private:
    HHOOK m_hook;
};

// Wine, with no desktop tray running, shows each notification icon as one
// child of a window of its own. Windows has no such window; the tests that
// count icons are Wine's.
int TrayIcons();

bool IsSameArea(HRGN a, HRGN b);
bool IsClippedToClockEllipse(HWND wnd);
RECT WindowRect(HWND wnd);
// The current user's Run value that starts a clock on folder; "" for none.
std::string RunValue(const std::string& folder);
std::string ProgramPath();

// A clock window run as the program runs it, in a scratch folder, its
// message boxes recorded.
class ClockTest : public testing::Test {
protected:
    ClockTest();
    ~ClockTest() override;
    // RunAsMainWindow with the clock.
    INT_PTR Run(const std::function<void()>& script);
    std::string Path(const std::string& name) const { return m_dir + "\\" + name; }
    // The clock's settings changed as the options dialog changes them.
    void Change(const std::function<void(settings::ClockSettings&)>& edit);
    void Write(const std::string& name, const std::string& content) const;
    // The file's bytes, "" when there is none.
    std::string Read(const std::string& name) const;

    struct Box {
        std::string text, caption;
        UINT type;
    };
    CZentimDlg m_clock;
    std::vector<Box> m_boxes;
    // Each read of the clock's time counts: only frames and the timer's
    // arming read it.
    int m_timeReads = 0;
    timekeeping::ClockTime m_time{ 1700000030, true, 10, 8, 20, 0 };

private:
    std::string m_previousDir, m_dir;
};

} // namespace wintest
