#include "analysis/text_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace vesk {
namespace {

struct FloatCase {
    float value;
    const char* expected;
};

struct DoubleCase {
    double value;
    const char* expected;
};

TEST(FormatGeneral, SingleSevenSignificantDigits) {
    const std::vector<FloatCase> cases = {
        {5.97f, "5.97"},
        {static_cast<float>(900 / 145.0377), "6.205283"},
        {static_cast<float>(162 / 6.3663022639200495), "25.44648"},
        {1234567.0f, "1234567"},
        {12345678.0f, "1.234568E+07"},
        {10000000.0f, "1E+07"},
        {123456.75f, "123456.8"},  // tie on the eighth digit: away from zero
        // The stored value rounds, not the text it was typed as: 123456.65
        // is held as 123456.6484375, 1.0236005 as 1.02360046.., 1.0245445
        // as 1.02454448..
        {123456.65f, "123456.6"},
        {1.0236005f, "1.0236"},
        {1.0245445f, "1.024544"},
        {1.0264325f, "1.026433"},
        {0.5f, "0.5"},
        {-0.25f, "-0.25"},
        {0.0001f, "0.0001"},
        {0.00001f, "1E-05"},
        {-0.000012345f, "-1.2345E-05"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {100.0f, "100"},
        {1.0f / 3.0f, "0.3333333"},
        {2.0f / 3.0f, "0.6666667"},
        {123456.7f, "123456.7"},
        {45.0f, "45"},
        {1.3f, "1.3"},
    };
    for (const FloatCase& c : cases) EXPECT_EQ(FormatGeneral(c.value), c.expected) << c.value;
}

TEST(FormatGeneral, DoubleFifteenSignificantDigits) {
    const std::vector<DoubleCase> cases = {
        {900 / 145.0377, "6.20528317809783"},
        {162 / 6.3663022639200495, "25.446482633743"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.9999999999999999, "1"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {1.5e15, "1.5E+15"},
        {12345678.0, "12345678"},
        {1e-5, "1E-05"},
        {1e-100, "1E-100"},
        {-2.5e300, "-2.5E+300"},
        {0.0001, "0.0001"},
        {-0.0, "0"},
        {21.0, "21"},
        {1.000001900001715, "1.00000190000172"},  // held as ...715071..
        {1.000005300013795, "1.00000530001379"},  // held as ...794951..
    };
    for (const DoubleCase& c : cases) EXPECT_EQ(FormatGeneral(c.value), c.expected) << c.value;
}

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(FormatNumber, ReportPatterns) {
    const std::vector<PatternCase> cases = {
        // fixed decimals, ties away from zero on the decimal value
        {0.5, "##0.00", "0.50"},
        {0.125, "##0.00", "0.13"},
        {-0.125, "##0.00", "-0.13"},
        {2.675, "0.00", "2.68"},
        {1.005, "0.00", "1.01"},
        {0.004, "0.00", "0.00"},
        {-0.005, "0.00", "-0.01"},
        {-0.0, "0.00", "0.00"},
        {99.95, "##0.0", "100.0"},
        {1234.56, "##0.0", "1234.6"},
        {0.0, "##0.0", "0.0"},
        {1.0005, "##0.000", "1.001"},
        {7.25, "#0.00", "7.25"},
        {12.34, "###0.0", "12.3"},
        {1e20, "##0", "100000000000000000000"},
        {2.5, "##0", "3"},
        {-2.5, "##0", "-3"},
        {5, "0", "5"},
        // a value that rounds to zero prints without a sign
        {-0.4, "#0", "0"},
        {-0.6, "#0", "-1"},
        // '#' decimals show only the digits needed; no lone point
        {6.2052961, "#.##", "6.21"},
        {162, "#.##", "162"},
        {25.45, "#.##", "25.45"},
        {0.5, "#.##", "0.5"},
        {0, "#.##", "0"},
        // a '0' after '#' in the decimals makes both show
        {3.1, "0.#0", "3.10"},
        {3, "0.#0", "3.00"},
        {3.456, "0.#0", "3.46"},
        // thousands separators and minimum integer digits
        {45, "#,000", "045"},
        {45000, "#,000", "45,000"},
        {999.6, "#,000", "1,000"},
        {-1234567, "#,000", "-1,234,567"},
        {1234.5, "###,###,##0", "1,235"},
        {1234567, "###,###,##0", "1,234,567"},
        {0.2, "###,###,##0", "0"},
        // exponent patterns: one mantissa digit, signed exponent of two digits at least
        {12345, "#.00E+00", "1.23E+04"},
        {12355, "#.00E+00", "1.24E+04"},
        {99999, "0.00E+00", "1.00E+05"},
        {0.000123456, "0.00E+00", "1.23E-04"},
        {-5, "0.00E+00", "-5.00E+00"},
        {0, "#.00E+00", "0.00E+00"},
        {1e-100, "0.00E+00", "1.00E-100"},
        {12345, "0.0E-00", "1.2E04"},
        {0.012345, "0.0E-00", "1.2E-02"},
    };
    for (const PatternCase& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
    }
}

TEST(FormatNumber, SingleRoundsItsOwnDecimalText) {
    // The binary values of these Singles lie just below the tie.
    EXPECT_EQ(FormatNumber(2.675f, "0.00"), "2.68");
    EXPECT_EQ(FormatNumber(2.665f, "##0.00"), "2.67");
    EXPECT_EQ(FormatNumber(0.125f, "##0.00"), "0.13");
    // Its seven digits are those of the stored value (1.02360046..).
    EXPECT_EQ(FormatNumber(1.0236005f, "0.000000"), "1.023600");
    // Integers take the exact path; an empty pattern is the general format.
    EXPECT_EQ(FormatNumber(2.5f, ""), "2.5");
    EXPECT_EQ(FormatGeneral(static_cast<int16_t>(-7)), "-7");
    EXPECT_EQ(FormatNumber(45, "#,000"), "045");
    EXPECT_EQ(FormatNumber(static_cast<int16_t>(-3), "##0"), "-3");
}

TEST(FormatNumber, IgnoresCommaLocale) {
    test::CommaLocale comma;
    EXPECT_EQ(FormatNumber(1234.5, "###,###,##0.00"), "1,234.50");
    EXPECT_EQ(FormatGeneral(6.5f), "6.5");
    double value = 0;
    EXPECT_TRUE(ParseNumber("6.5", value));
    EXPECT_EQ(value, 6.5);
}

struct RoundCase {
    double value;
    int decimals;
    double expected;
};

TEST(RoundHalfEven, TiesOnTheDecimalValue) {
    const std::vector<RoundCase> cases = {
        {2.675, 2, 2.68}, {2.665, 2, 2.66},     {2.685, 2, 2.68},     {0.857, 2, 0.86},
        {-2.5, 0, -2.0},  {3.5, 0, 4.0},        {0.005, 2, 0.0},      {0.015, 2, 0.02},
        {9.995, 2, 10.0}, {1.0049999, 2, 1.0},  {1234.5, -1, 1230.0}, {1235.0, -1, 1240.0},
        {0.0, 2, 0.0},    {2.6750001, 2, 2.68}, {0.4, 0, 0.0},
    };
    for (const RoundCase& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value, c.decimals), c.expected) << c.value << " " << c.decimals;
    }
    // A Single ties on its own decimal text and stays a Single.
    EXPECT_EQ(RoundHalfEven(0.845f, 2), 0.84f);
    EXPECT_EQ(RoundHalfEven(0.855f, 2), 0.86f);
    EXPECT_EQ(RoundHalfEven(static_cast<float>(900 / 145.0377), 2), 6.21f);
}

TEST(ParseNumber, AcceptsPlainNumbersOnly) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const std::vector<Case> cases = {
        {"12", true, 12},
        {"  -3.5  ", true, -3.5},
        {"+.5", true, 0.5},
        {"5.", true, 5},
        {"1E3", true, 1000},
        {"2.5e-2", true, 0.025},
        {"1D2", true, 100},
        {"1d+2", true, 100},
        {"1e-400", true, 0},
        {"\t7\t", true, 7},
        {"", false, 0},
        {"   ", false, 0},
        {"1,5", false, 0},
        {"abc", false, 0},
        {"1.2.3", false, 0},
        {"NaN", false, 0},
        {"inf", false, 0},
        {"-", false, 0},
        {".", false, 0},
        {"1e", false, 0},
        {"1e+", false, 0},
        {"12abc", false, 0},
        {"1 2", false, 0},
        {"1e999", false, 0},
        {"0x10", false, 0},
        {"--1", false, 0},
        {"0.0000000000e-400", true, 0},
        // too small for a Double without an exponent: zero; too large: no number
        {"0."
         "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "000"
         "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "000"
         "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "000"
         "00000000000000000000000000000000000000000000000000001",
         true, 0},
        {"123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789"
         "0"
         "123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789"
         "0"
         "123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789"
         "0"
         "12345678901",
         false, 0},
    };
    for (const Case& c : cases) {
        double value = -99;
        EXPECT_EQ(ParseNumber(c.text, value), c.ok) << "'" << c.text << "'";
        if (c.ok) {
            EXPECT_EQ(value, c.value) << "'" << c.text << "'";
        }
    }
}

TEST(ParseNumber, SingleReadsTheDecimalTextOnce) {
    // Reading through a Double first would round twice; the Single read
    // rounds the decimal text directly.
    float single = 0;
    ASSERT_TRUE(ParseNumber("6.205283", single));
    EXPECT_EQ(single, 6.205283f);
    ASSERT_TRUE(ParseNumber(FormatGeneral(25.44648f), single));
    EXPECT_EQ(FormatGeneral(single), "25.44648");
    EXPECT_FALSE(ParseNumber("1e39", single));
    EXPECT_TRUE(ParseNumber("1e-50", single));
    EXPECT_EQ(single, 0.0f);
}

TEST(Padding, FillsUpToTheWidth) {
    EXPECT_EQ(PadDots("Interburden Thickness", 30), "Interburden Thickness.........");
    EXPECT_EQ(PadDots("CMRR", 4), "CMRR");  // exactly the width: no dot
    EXPECT_EQ(PadDots("Longer than width", 5), "Longer than width");
    EXPECT_EQ(PadRight("ab", 5), "ab   ");
    EXPECT_EQ(PadLeft("7", 6), "     7");
    EXPECT_EQ(PadLeft("", 0), "");
    EXPECT_EQ(PadDots("x", -3), "x");
}

TEST(WrapAt, BreaksAtTheLastBlankWithinTheWidth) {
    // 25 characters wrapped at 21: the blank at position 21 is the break
    EXPECT_EQ(WrapAt("aaaaaaaaaaaaaaaaaaaa bbbb", 21), "aaaaaaaaaaaaaaaaaaaa\r\nbbbb\r\n");
    // the blank lies left of the width; blanks around the break are dropped
    EXPECT_EQ(WrapAt("aaaaaaaaaa   bbbbbbbbbbbbbbbb cc", 22), "aaaaaaaaaa  \r\nbbbbbbbbbbbbbbbb cc\r\n");
    // short text gets one CR LF; a width of 20 or less changes nothing
    EXPECT_EQ(WrapAt("short", 70), "short\r\n");
    EXPECT_EQ(WrapAt("", 70), "\r\n");
    EXPECT_EQ(WrapAt("a b c d e f g h i j k l m n", 20), "a b c d e f g h i j k l m n");
    // no blank within the width: a hard cut at the width
    const std::string path(75, 'p');
    EXPECT_EQ(WrapAt(path, 70), std::string(70, 'p') + "\r\n" + std::string(5, 'p') + "\r\n");
    const std::string text =
        "Project File: C:\\Users\\engineer\\Documents\\Vesk\\Projects\\Seam 4\\panel-12-under-seam-3.VSK";
    const std::string wrapped = WrapAt(text, 70);
    EXPECT_EQ(wrapped,
              "Project File: C:\\Users\\engineer\\Documents\\Vesk\\Projects\\Seam\r\n"
              "4\\panel-12-under-seam-3.VSK\r\n");
}

}  // namespace
}  // namespace vesk
