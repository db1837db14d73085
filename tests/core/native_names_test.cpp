#include "files/native_names.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvik {
namespace {

TEST(NativeNames, NamesAnArgumentThatDoesNotComeBackByteForByte)
{
    const std::vector<const char*> good = {"orvikctl", "pack", "-o", "caf\xc3\xa9.bin"};
    const std::vector<const char*> bad = {"orvikctl", "a\xe9\xc3\xa9\t.bin", "\xe8"};
    EXPECT_EQ(unusableArgument(int(good.size()), good.data()), "");
    EXPECT_EQ(unusableArgument(int(bad.size()), bad.data()), "a\\xe9\u00e9\\x09.bin");
}

} // namespace
} // namespace orvik
