#pragma once
#include <string>
#include <string_view>

namespace vesk {

// Number text of the program: always "." as the decimal separator, whatever
// the process locale, and rounding as the report patterns require.

// The general number format: shortest text of at most 7 (Single) or 15
// (Double) significant digits, exponent form ("1.234568E+07", "1E-05") where
// the general format uses it.
std::string FormatGeneral(float value);
std::string FormatGeneral(double value);

// Report patterns such as "##0.00", "##0.0", "##0", "0.00", "#0.00", "###0.0",
// "#0", "0.#0", "0.00E+00", "#.00E+00", "#,000", "###,###,##0".
std::string FormatNumber(double value, std::string_view pattern);

// Rounds to the given number of decimals, ties to even.
double RoundHalfEven(double value, int decimals);

// Reads a number written with "." (leading and trailing blanks allowed, sign,
// exponent). Returns false when the text is not a number.
bool ParseNumber(std::string_view text, double& value);

// Text padded with dots, blanks after, or blanks before, to `width`
// characters; text of `width` or more characters comes back unchanged.
std::string PadDots(std::string_view text, int width);
std::string PadRight(std::string_view text, int width);
std::string PadLeft(std::string_view text, int width);

// Splits a long line at blanks into lines of at most `width` characters, each
// followed by CR LF. Widths of 20 or less return the text unchanged.
std::string WrapAt(std::string_view text, int width);

}  // namespace vesk
