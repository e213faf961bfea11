#include <gtest/gtest.h>

#include "support/WinTestHelpers.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    PrepareTestProcess();
    return RUN_ALL_TESTS();
}
