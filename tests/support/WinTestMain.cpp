#include <gtest/gtest.h>

#include <cstdio>
#include <windows.h>

#include "support/WinTestHelpers.h"

#ifdef PVX_TEST_PROGRAM_MODULES
#include "app/StartUp.h"
#endif

namespace {

// A crash ends the test program at once with a line saying where, rather
// than waiting in the system's debugger until the test entry times out.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info)
{
    std::fprintf(stderr, "crash: exception 0x%08lx at %p\n", info->ExceptionRecord->ExceptionCode,
                 info->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv)
{
    SetUnhandledExceptionFilter(ReportCrash);
    testing::InitGoogleTest(&argc, argv);
#ifdef PVX_TEST_PROGRAM_MODULES
    // The program's module start (OLE for the folder picker) and its title.
    InitializeModules();
    PrepareTestProcess(ApplicationTitle);
#else
    PrepareTestProcess("File comparing utility");
#endif
    return RUN_ALL_TESTS();
}
