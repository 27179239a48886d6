// The solver formats its numbers itself so that no locale can turn "." into
// ","; what it prints must still be exactly what the C library prints.
#include "number_format.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "support/test_support.h"

namespace veskjirn {
namespace {

// snprintf in the "C" locale on this thread only, as the reference.
std::string CReference(const char* pattern, double value) {
    locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    locale_t previous = uselocale(c);
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    uselocale(previous);
    freelocale(c);
    return buffer;
}

TEST(NumberFormat, RealConversionsMatchTheCLibrary) {
    const char* patterns[] = {"%f", "%4f",    "%.7f",   "%4.1f", "%10.5f", "%4.8f",
                              "%g", "%12.5g", "%13.5g", "%4.3g", "%4.2g",  "%-8.3g"};
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  0.5,
                                  2.5,
                                  0.33,
                                  1e-8,
                                  1e-6,
                                  0.0001,
                                  0.00001,
                                  99999.5,
                                  123456.0,
                                  1234567.0,
                                  -871.63,
                                  1.125,
                                  178.885438199983,
                                  3e6,
                                  9.999995,
                                  0.000099999,
                                  1e300,
                                  -2.5e-300,
                                  4.9e-324,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::nan(""),
                                  -std::nan("")};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int k = 0; k < 400; ++k) values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (const char* pattern : patterns) {
        for (double v : values) {
            std::string mine = Format(pattern, {v});
            EXPECT_EQ(mine, CReference(pattern, v)) << pattern << " of " << v;
        }
    }
}

TEST(NumberFormat, WholeLinesWithIntegersCharactersAndText) {
    EXPECT_EQ(Format("%i, %4i, %4i", {2, 19, -7}), "2,   19,   -7");
    EXPECT_EQ(Format("Seam %i took %i Iterations to Converge \n", {2, 4008}),
              "Seam 2 took 4008 Iterations to Converge \n");
    EXPECT_EQ(Format("%c%c|%s|%%", {'A', '1', "name"}), "A1|name|%");
    // A conversion without an argument prints nothing rather than reading past the list.
    EXPECT_EQ(Format("%i and %i", {5}), "5 and ");
}

TEST(NumberFormat, CommaLocaleLeavesThePointInPlace) {
    vesk::test::CommaLocale comma;
    if (!comma.available()) GTEST_SKIP() << "no comma locale installed";
    EXPECT_EQ(Format("%13.5g, %f, %.7f", {871.625, 0.25, 2.0}), "       871.62, 0.250000, 2.0000000");
}

}  // namespace
}  // namespace veskjirn
