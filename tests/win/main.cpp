// Entry of the tests that run real windows. The program's own application
// object is not linked in; this one stands in for it, so that dialogs find
// an application and a main window as they do in the program.
#include "framework/winapp.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>

namespace {
class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
} theTestApp;

// Ends the run at once with the exception's code as its status. Under Wine
// a crash would otherwise open the debugger's dialog and wait there until
// the script's timeout.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception)
{
    std::fprintf(stderr, "Crashed: exception 0x%08lx at %p\n",
                 static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode),
                 exception->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    return EXCEPTION_EXECUTE_HANDLER;
}
} // namespace

int main(int argc, char** argv)
{
    SetUnhandledExceptionFilter(&ReportCrash);
    InitCommonControls();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
