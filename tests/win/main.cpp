// Entry of the tests that run real windows. The program's own application
// object is not linked in; this one stands in for it, so that dialogs find
// an application and a main window as they do in the program.
#include "framework/winapp.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {
class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
} theTestApp;
} // namespace

int main(int argc, char** argv)
{
    InitCommonControls();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
