#include "clockwnd/zentim_dlg.h"
#include "framework/winapp.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

TEST(ClockWindow, IsTopmostToolWindow)
{
    wintest::ScratchDir dir;
    CZentimDlg dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    LONG exStyle = 0;
    wintest::RunModalScript(dlg, [&] { exStyle = GetWindowLongA(dlg.m_hWnd, GWL_EXSTYLE); });
    AfxGetApp()->m_pMainWnd = nullptr;
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
}
