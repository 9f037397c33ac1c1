#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <tuple>
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

// A table of cases for a function of several values: each row holds the arguments, then the
// output they give.
template <typename... Columns>
using Calls = std::vector<std::tuple<Columns...>>;

// The function called with the first columns of the row.
template <typename Function, typename Row, std::size_t... Index>
auto CallWithColumns(Function& function, const Row& row, std::index_sequence<Index...>) {
    return function(std::get<Index>(row)...);
}

template <typename Function, typename... Columns>
void ExpectCalls(Function&& function, const Calls<Columns...>& rows) {
    constexpr std::size_t kArguments = sizeof...(Columns) - 1;
    for (const auto& row : rows) {
        EXPECT_EQ(CallWithColumns(function, row, std::make_index_sequence<kArguments>{}),
                  std::get<kArguments>(row))
            << ::testing::PrintToString(row);
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
