#pragma once

// The name of a row of a data-driven GoogleTest table, its `name`, for the last argument
// of INSTANTIATE_TEST_SUITE_P: RowName<Case>.

#include <gtest/gtest.h>

#include <string>

template<typename Case> std::string RowName(const testing::TestParamInfo<Case> &row)
{
    return std::string(row.param.name);
}
