// CRingWindow: the small window of a ringing alarm, above every other
// window: the alarm's time and label, "Snooze 5 min" (S) and "Dismiss"
// (Enter). Modeless and owned by the clock, so that the clock keeps
// ticking while it waits; it only passes the user's answer on.
#pragma once

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "res/resource.h"

#include <functional>
#include <string>

class CRingWindow : public CDialog {
public:
    enum { IDD = IDD_RING };

    struct Answers {
        std::function<void()> snooze, dismiss;
    };

    explicit CRingWindow(Answers answers);
    ~CRingWindow() override;

    // Shows the times and the labels, the window made over the main window
    // at the first call.
    void Show(const std::string& times, const std::string& labels);
    // The window becomes the active one, Dismiss focused: Enter dismisses.
    void TakeKeys();
    // Takes the window away; the next Show makes it anew.
    void Close();

protected:
    const CMessageMapEntry* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    // Neither ends the window, which is only hidden by EndDialog: Enter
    // reaches the focused button, Esc and Alt+F4 do nothing - an alarm is
    // answered by its buttons.
    void OnOK() override;
    void OnCancel() override;

private:
    void OnSnooze();
    void OnDismiss();

    Answers m_answers;
    // The time, three times the dialog's letters, bold.
    CFont m_timeFont;
};
