// Golden files of tests/data, and tables of inputs with their expected results.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace kov {

inline std::string ReadTestData(const std::string& name) {
    std::ifstream in(std::string(KOV_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

template <typename Out = std::string>
using Rows = std::vector<std::pair<std::string, Out>>;

// Checks f(input) against the expected result of every row.
template <typename Out, typename F>
void ExpectRows(const Rows<Out>& rows, F f) {
    for (const auto& [input, expected] : rows) EXPECT_EQ(f(input), expected) << input;
}

}  // namespace kov
