#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kw::test {

// A table of cases for a function of one value: each row's input gives its output.
template <typename In, typename Out>
using Rows = std::vector<std::pair<In, Out>>;

template <typename Function, typename In, typename Out>
void ExpectRows(Function&& function, const Rows<In, Out>& rows) {
    for (const auto& [in, out] : rows) {
        EXPECT_EQ(function(in), out) << ::testing::PrintToString(in);
    }
}

// One member of every row, in the rows' order.
template <typename Row, typename Field>
std::vector<Field> Column(const std::vector<Row>& rows, Field Row::*field) {
    std::vector<Field> column;
    for (const Row& row : rows) {
        column.push_back(row.*field);
    }
    return column;
}

}  // namespace kw::test
