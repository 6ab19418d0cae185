// CWinApp: the one application object, and the entry point that runs it.
#pragma once

#include "framework/wnd.h"

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Runs the program. Returning FALSE ends it without a message loop of
    // the application's own (the modal dialogs bring theirs).
    virtual BOOL InitInstance() = 0;

    // The window that stands for the program: owner of unowned dialogs and
    // the target of the window-drag command.
    CWnd* m_pMainWnd = nullptr;
};

// The application object, or null before it is constructed.
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
