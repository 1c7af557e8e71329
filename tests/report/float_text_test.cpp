#include "report/expressions/float_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace zel {
namespace {

TEST(FloatToStr, ShortestTextWithFifteenDigits) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {-2.5, "-2.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {-1.25e-7, "-1.25E-7"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {std::nan(""), "NAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.value, '.'), c.expected) << c.value;
    EXPECT_EQ(FloatToStr(2.5, ','), "2,5");
}

TEST(FormatFloat, Pictures) {
    const struct {
        std::string picture;
        double value;
        std::optional<std::string> expected;
    } cases[] = {
        {"0", 2.5, "2"}, // to the even neighbour, as printf rounds exact halves
        {"0.00", 1.005, "1.00"},
        {"#,##0", 1234567, "1,234,567"},
        {"#,##0.00", -1234.5, "-1,234.50"},
        {"#.##", 0.5, ".5"},
        {"0.0#", 1.2, "1.2"},
        {"000-0000", 1234567, "123-4567"},
        {"00", 12345, "12345"},
        {"#", 0, ""},
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E-00", 0.00012345, "1.23E-04"},
        // More places than a value holds digits: the rest are zeros.
        {"0.000000000000000000E+00", 2.0 / 3, "6.666666666666666300E-01"},
        {std::string(70, '0') + "E+00", 2468.5, "24685" + std::string(65, '0') + "E-66"},
        {"0;(0)", -5, "(5)"},
        {"0;(0);'zero'", 0, "zero"},
        {"0.0;;'zero'", 0.01, "zero"},
        {"0;;", -5, "-5"},
        {"'No.' 0", 7, "No. 7"},
        {"\"a;b\"0", 7, "a;b7"},
        {"", 1.5, "1.5"},
        {"0", 1e20, "1E20"},
        {"0.00", std::numeric_limits<double>::infinity(), "INF"},
        // An open quote fails.
        {"0'abc", 1, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.picture, c.value, '.', ','), c.expected) << c.picture;
    EXPECT_EQ(FormatFloat("#,##0.0", 1234.5, ',', '.'), "1.234,5");
}

} // namespace
} // namespace zel
