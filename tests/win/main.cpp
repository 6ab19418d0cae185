// Entry of the tests that run real windows, with an application object
// standing in for the program's, so that dialogs find an application and a
// main window as they do in the program.
#include "framework/winapp.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {
class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
} theTestApp;

// Ends the run at once: under Wine a crash would otherwise wait in the
// debugger's dialog until the script's timeout.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* e)
{
    std::fprintf(stderr, "Crashed: exception 0x%08lx\n", e->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}
} // namespace

int main(int argc, char** argv)
{
    SetUnhandledExceptionFilter(&ReportCrash);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
