#include <gtest/gtest.h>

#include "support/WinTestHelpers.h"

#ifdef PVX_TEST_PROGRAM_MODULES
#include "app/StartUp.h"
#endif

int main(int argc, char** argv)
{
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
