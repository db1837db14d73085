#pragma once

#include <gtest/gtest.h>
#include <string>

namespace orvik::test {

// The name a parameterised test's row goes by: its own.
template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

} // namespace orvik::test
