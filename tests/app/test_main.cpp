#include "support/private_home.h"

#include <gtest/gtest.h>

// The window tests' own main: their home is a private one (PrivateHome),
// also when a single test runs alone.
int main(int argc, char** argv)
{
    const orvik::test::PrivateHome home;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
