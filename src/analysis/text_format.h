#pragma once
#include <concepts>
#include <string>
#include <string_view>

namespace vesk {

// Number text of the program: always "." as the decimal separator, whatever
// the process locale, and rounding as the report patterns require.

// The general number format: shortest text of at most 7 (Single) or 15
// (Double) significant digits, exponent form ("1.234568E+07", "1E-05") where
// the general format uses it: from a decimal exponent of 7 (Single) or 15
// (Double) up and below 1E-04. Zero prints "0"; integers print plainly.
std::string FormatGeneral(float value);
std::string FormatGeneral(double value);
template <std::integral T>
std::string FormatGeneral(T value) {
    return std::to_string(value);
}

// Report patterns such as "##0.00", "##0.0", "##0", "0.00", "#0.00", "###0.0",
// "#0", "0.#0", "0.00E+00", "#.00E+00", "#,000", "###,###,##0".
// Values round half away from zero on their decimal text at their own
// precision: a Double at 15 significant digits, a Single at 7, so a Single
// 2.675 gives "2.68" with "0.00". A value that rounds to zero has no sign
// ("0", not "-0"); a '#' pattern prints at least one integer digit ("0.5")
// and no point without decimals ("#.##" of 162 gives "162"). An empty pattern
// gives the general format.
std::string FormatNumber(double value, std::string_view pattern);
std::string FormatNumber(float value, std::string_view pattern);
template <std::integral T>
std::string FormatNumber(T value, std::string_view pattern) {
    return FormatNumber(static_cast<double>(value), pattern);
}

// Rounds to the given number of decimals (negative: tens, hundreds...), ties
// to even. Ties are judged on the value's shortest decimal text (the text
// that reads back as the same Double, or Single), so 2.675 rounds to 2.68 and
// 2.665 to 2.66 in either type; a Single comes back as a Single.
double RoundHalfEven(double value, int decimals);
float RoundHalfEven(float value, int decimals);
template <std::integral T>
double RoundHalfEven(T value, int decimals) {
    return RoundHalfEven(static_cast<double>(value), decimals);
}

// Reads a number written with "." (leading and trailing blanks allowed, sign,
// exponent). Returns false when the text is not a number.
bool ParseNumber(std::string_view text, double& value);
bool ParseNumber(std::string_view text, float& value);

// The text without the blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

// Text padded with dots, blanks after, or blanks before, to `width`
// characters; text of `width` or more characters comes back unchanged.
std::string PadDots(std::string_view text, int width);
std::string PadRight(std::string_view text, int width);
std::string PadLeft(std::string_view text, int width);

// Splits a long line at blanks into lines of at most `width` characters, each
// followed by CR LF. Widths of 20 or less return the text unchanged.
std::string WrapAt(std::string_view text, int width);

}  // namespace vesk
