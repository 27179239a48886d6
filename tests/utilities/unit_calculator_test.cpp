#include "utilities/unit_calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/text_format.h"

namespace vesk {
namespace {

double Converted(double value, const char* from, const char* to) {
    double result = -1;
    EXPECT_TRUE(ConvertCalculatorUnits(value, from, to, result)) << from << " -> " << to;
    return result;
}

TEST(UnitCalculator, SpotChecksOfTheTable) {
    struct Case {
        double value;
        const char* from;
        const char* to;
        double expected;
    };
    const Case cases[] = {
        {1, "ft", "in", 12},
        {1, "ft", "cm", 30.48},
        {1, "ft", "m", 0.3048},
        {1, "in", "cm", 2.54},
        {1, "m", "cm", 100},
        {1, "tonsF", "lbsF", 2000},
        {1, "tonsF", "kN", 8.896440978786435},
        {1, "tonsF", "MN", 0.008896440978786435},
        {1, "tonsF", "kips", 2},
        {1, "lbsF", "kN", 0.004448220489393218},
        {1, "kips", "kN", 4.448220489393218},
        {1, "MN", "kN", 1000},
        {1, "lbsF/ft", "kN/m", 0.01459389924341607},
        {1, "lbsF/in", "lbsF/ft", 12},
        {1, "MN/m", "kN/m", 1000},
        {1, "psi", "Pa", 6894.757293},
        {1, "psi", "ksi", 0.001},
        {1, "psf", "psi", 0.006944444444444444},
        {1, "MPa", "Pa", 1e6},
        {1, "psi/in", "psi/ft", 12},
        {1, "psi/in", "Pa/m", 271447.137519685},
        {1, "psi/in", "MPa/m", 0.271447137519685},
        {900, "psi", "MPa", 900 / 145.0377},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Converted(c.value, c.from, c.to), c.expected, std::fabs(c.expected) * 1e-6)
            << c.from << " -> " << c.to;
}

TEST(UnitCalculator, EveryPairRoundTripsAndTheSameUnitIsExact) {
    for (const CalculatorTab& tab : CalculatorTabs()) {
        for (const char* from : tab.Units) {
            EXPECT_EQ(Converted(0.1, from, from), 0.1);
            EXPECT_EQ(Converted(-7.3, from, from), -7.3);
            for (const char* to : tab.Units)
                EXPECT_NEAR(Converted(Converted(123.456, from, to), to, from), 123.456, 1e-9) << from << to;
        }
    }
}

TEST(UnitCalculator, RefusesUnknownUnitsAndMixedQuantities) {
    double result = 0;
    EXPECT_FALSE(ConvertCalculatorUnits(1, "ft", "kN", result));
    EXPECT_FALSE(ConvertCalculatorUnits(1, "psi", "psi/in", result));
    EXPECT_FALSE(ConvertCalculatorUnits(1, "yard", "ft", result));
    EXPECT_FALSE(ConvertCalculatorUnits(1, "FT", "in", result));
}

TEST(UnitCalculator, ResultBoxesOfATab) {
    EXPECT_EQ(CalculatorResults(0, 1, "1"), (std::vector<std::string>{"12", "1", "30.48", "0.3048"}));
    EXPECT_EQ(CalculatorResults(1, 1, " 1 "),
              (std::vector<std::string>{"2000", "1", FormatGeneral(8.896440978786435),
                                        FormatGeneral(8.896440978786435 / 1000), "2"}));
    // Text that is not a number reads as 0.
    EXPECT_EQ(CalculatorResults(3, 0, "abc"), (std::vector<std::string>{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(CalculatorResults(3, 0, "1,5"), (std::vector<std::string>{"0", "0", "0", "0", "0"}));
    EXPECT_TRUE(CalculatorResults(5, 0, "1").empty());
    EXPECT_EQ(CalculatorTabs()[4].Caption, std::string("Pressure/stress gradient units"));
}

}  // namespace
}  // namespace vesk
