#include "analysis/text_format.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <system_error>
#include <type_traits>

namespace vesk {

namespace {

// Significant digits of the general format and of the decimal value that the
// report patterns round: 7 for a Single, 15 for a Double.
constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// A finite number as decimal digits: value = d1.d2d3... x 10^exponent.
// `digits` holds no leading and no trailing zeros; it is empty for zero.
struct DecimalValue {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool IsZero() const { return digits.empty(); }
};

void StripTrailingZeros(DecimalValue& d) {
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.exponent = 0;
}

// Reads the scientific text of std::to_chars ("-1.2345e+07", "5e-01").
DecimalValue FromScientificText(std::string_view text) {
    DecimalValue d;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] >= '0' && text[i] <= '9') d.digits.push_back(text[i]);
    }
    if (i < text.size()) {
        ++i;  // 'e'
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        int exponent = 0;
        for (; i < text.size(); ++i) exponent = exponent * 10 + (text[i] - '0');
        d.exponent = negativeExponent ? -exponent : exponent;
    }
    // to_chars writes no leading zero except for the value zero itself.
    std::size_t firstNonZero = d.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        d.digits.clear();
        d.exponent = 0;
        return d;
    }
    d.digits.erase(0, firstNonZero);
    StripTrailingZeros(d);
    return d;
}

// Adds one unit in the last kept digit; "999" becomes "1" one decade up.
void IncrementLastDigit(DecimalValue& d) {
    std::size_t i = d.digits.size();
    while (i > 0) {
        --i;
        if (d.digits[i] != '9') {
            ++d.digits[i];
            StripTrailingZeros(d);
            return;
        }
        d.digits[i] = '0';
    }
    d.digits = "1";
    ++d.exponent;
}

enum class TieRule { AwayFromZero, ToEven };

// Keeps the first `keep` digits (keep may be 0 or negative: everything goes),
// rounding on the dropped decimal digits.
void KeepDigits(DecimalValue& d, long long keep, TieRule rule) {
    if (d.IsZero() || keep >= static_cast<long long>(d.digits.size())) return;
    if (keep < 0) {
        // The value lies below half a unit of the kept position.
        d.digits.clear();
        d.exponent = 0;
        return;
    }
    const auto cut = static_cast<std::size_t>(keep);
    const char first = d.digits[cut];
    bool roundUp = first > '5';
    if (first == '5') {
        const bool exactTie = d.digits.find_first_not_of('0', cut + 1) == std::string::npos;
        if (!exactTie || rule == TieRule::AwayFromZero) {
            roundUp = true;
        } else {
            const char lastKept = cut > 0 ? d.digits[cut - 1] : '0';
            roundUp = ((lastKept - '0') % 2) != 0;
        }
    }
    d.digits.resize(cut);
    if (roundUp) {
        if (d.digits.empty()) {
            // Rounded up into the next decade above the dropped digits.
            d.digits = "1";
            ++d.exponent;
        } else {
            IncrementLastDigit(d);
        }
    } else {
        StripTrailingZeros(d);
    }
}

// Rounds to `decimals` places after the decimal point.
void RoundToDecimals(DecimalValue& d, int decimals, TieRule rule) {
    if (d.IsZero()) return;
    const long long keep = static_cast<long long>(d.exponent) + 1 + decimals;
    KeepDigits(d, keep, rule);
}

// Enough digits to write any Single or Double exactly (the longest exact
// expansions, of the smallest subnormals, have 105 and 767 digits).
template <typename T>
constexpr int ExactDigits() {
    return std::is_same_v<T, float> ? 120 : 770;
}

// With `maxDigits` 0: the shortest decimal text that reads back as the same
// value. Otherwise the stored binary value itself rounded half away from zero
// to at most `maxDigits` significant digits, as the general format shows a
// Single or Double: a Single typed as 1.0236005 holds 1.02360046.. and shows
// "1.0236", while 2.675 (held as 2.67499995..) still gives "2.675000" and so
// rounds to "2.68" with "0.00".
template <typename T>
DecimalValue ToDecimal(T value, int maxDigits) {
    char buffer[ExactDigits<T>() + 16];
    const auto result =
        maxDigits > 0 ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                      ExactDigits<T>())
                      : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    DecimalValue d =
        FromScientificText(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
    if (maxDigits > 0) KeepDigits(d, maxDigits, TieRule::AwayFromZero);
    return d;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

std::string ExponentText(int exponent, bool alwaysSign, int minDigits) {
    std::string text;
    if (exponent < 0) {
        text.push_back('-');
    } else if (alwaysSign) {
        text.push_back('+');
    }
    std::string number = std::to_string(exponent < 0 ? -static_cast<long long>(exponent) : exponent);
    if (static_cast<int>(number.size()) < minDigits) {
        number.insert(0, static_cast<std::size_t>(minDigits - static_cast<int>(number.size())), '0');
    }
    return text + number;
}

std::string GeneralText(const DecimalValue& d, int precision) {
    if (d.IsZero()) return "0";
    std::string text = d.negative ? "-" : "";
    const int digitCount = static_cast<int>(d.digits.size());
    if (d.exponent >= precision || d.exponent < -4) {
        text.push_back(d.digits[0]);
        if (digitCount > 1) {
            text.push_back('.');
            text.append(d.digits, 1, std::string::npos);
        }
        text.push_back('E');
        text += ExponentText(d.exponent, true, 2);
        return text;
    }
    if (d.exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text += d.digits;
        return text;
    }
    const int integerDigits = d.exponent + 1;
    if (digitCount <= integerDigits) {
        text += d.digits;
        text.append(static_cast<std::size_t>(integerDigits - digitCount), '0');
    } else {
        text.append(d.digits, 0, static_cast<std::size_t>(integerDigits));
        text.push_back('.');
        text.append(d.digits, static_cast<std::size_t>(integerDigits), std::string::npos);
    }
    return text;
}

// ---- report patterns ------------------------------------------------------

struct Pattern {
    std::string prefix;    // literal text before the first placeholder
    std::string suffix;    // literal text after the number
    int integerZeros = 0;  // '0' placeholders before the point: minimum integer digits
    bool thousands = false;
    int maxDecimals = 0;  // placeholders after the point
    int minDecimals = 0;  // placeholders up to the last '0' after the point
    bool scientific = false;
    bool exponentAlwaysSigned = false;
    int exponentDigits = 0;
};

bool IsPlaceholder(char c) {
    return c == '0' || c == '#';
}

Pattern ParsePattern(std::string_view text) {
    Pattern p;
    std::size_t i = 0;
    // Literal prefix: everything before the first placeholder, point or comma.
    while (i < text.size() && !IsPlaceholder(text[i]) && text[i] != '.' && text[i] != ',') {
        p.prefix.push_back(text[i]);
        ++i;
    }
    bool inDecimals = false;
    int lastZeroDecimal = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '0' || c == '#') {
            if (inDecimals) {
                ++p.maxDecimals;
                if (c == '0') lastZeroDecimal = p.maxDecimals;
            } else if (c == '0') {
                ++p.integerZeros;
            }
        } else if (c == '.' && !inDecimals) {
            inDecimals = true;
        } else if (c == ',' && !inDecimals) {
            p.thousands = true;
        } else if ((c == 'E' || c == 'e') && i + 1 < text.size() &&
                   (text[i + 1] == '+' || text[i + 1] == '-')) {
            p.scientific = true;
            p.exponentAlwaysSigned = text[i + 1] == '+';
            i += 2;
            while (i < text.size() && IsPlaceholder(text[i])) {
                if (text[i] == '0') ++p.exponentDigits;
                ++i;
            }
            break;
        } else {
            break;
        }
    }
    p.suffix = std::string(text.substr(i < text.size() ? i : text.size()));
    p.minDecimals = lastZeroDecimal;
    return p;
}

std::string GroupThousands(const std::string& integerDigits) {
    std::string text;
    const std::size_t n = integerDigits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) text.push_back(',');
        text.push_back(integerDigits[i]);
    }
    return text;
}

// Integer and decimal digit strings of a rounded decimal value.
void SplitDigits(const DecimalValue& d, std::string& integerPart, std::string& decimalPart) {
    integerPart.clear();
    decimalPart.clear();
    if (d.IsZero()) return;
    const long long digitCount = static_cast<long long>(d.digits.size());
    if (d.exponent < 0) {
        decimalPart.assign(static_cast<std::size_t>(-static_cast<long long>(d.exponent) - 1), '0');
        decimalPart += d.digits;
        return;
    }
    const long long integerDigits = static_cast<long long>(d.exponent) + 1;
    if (digitCount <= integerDigits) {
        integerPart = d.digits;
        integerPart.append(static_cast<std::size_t>(integerDigits - digitCount), '0');
    } else {
        integerPart = d.digits.substr(0, static_cast<std::size_t>(integerDigits));
        decimalPart = d.digits.substr(static_cast<std::size_t>(integerDigits));
    }
}

std::string FixedText(DecimalValue d, const Pattern& p) {
    RoundToDecimals(d, p.maxDecimals, TieRule::AwayFromZero);
    std::string integerPart;
    std::string decimalPart;
    SplitDigits(d, integerPart, decimalPart);
    // At least one integer digit: "0.5", never ".5", and "0" rather than an
    // empty text for patterns that start with '#'.
    const std::size_t minInteger = static_cast<std::size_t>(p.integerZeros > 0 ? p.integerZeros : 1);
    if (integerPart.size() < minInteger) integerPart.insert(0, minInteger - integerPart.size(), '0');
    const std::size_t minDecimals = static_cast<std::size_t>(p.minDecimals);
    if (decimalPart.size() < minDecimals) decimalPart.append(minDecimals - decimalPart.size(), '0');

    std::string text;
    // A value that rounds to zero prints without a sign ("0", not "-0").
    if (d.negative && !d.IsZero()) text.push_back('-');
    text += p.prefix;
    text += p.thousands ? GroupThousands(integerPart) : integerPart;
    // No lone point when a "#" decimal part shows no digit ("162", not "162.").
    if (!decimalPart.empty()) {
        text.push_back('.');
        text += decimalPart;
    }
    text += p.suffix;
    return text;
}

std::string ScientificText(DecimalValue d, const Pattern& p) {
    // One integer digit in the mantissa; the exponent places the point.
    KeepDigits(d, 1LL + p.maxDecimals, TieRule::AwayFromZero);
    std::string mantissa = d.IsZero() ? "0" : d.digits.substr(0, 1);
    std::string decimals = d.digits.size() > 1 ? d.digits.substr(1) : std::string();
    const std::size_t minDecimals = static_cast<std::size_t>(p.minDecimals);
    if (decimals.size() < minDecimals) decimals.append(minDecimals - decimals.size(), '0');

    std::string text;
    if (d.negative && !d.IsZero()) text.push_back('-');
    text += p.prefix;
    text += mantissa;
    if (!decimals.empty()) {
        text.push_back('.');
        text += decimals;
    }
    text.push_back('E');
    text += ExponentText(d.IsZero() ? 0 : d.exponent, p.exponentAlwaysSigned, p.exponentDigits);
    text += p.suffix;
    return text;
}

std::string PatternText(const DecimalValue& d, std::string_view pattern) {
    const Pattern p = ParsePattern(pattern);
    return p.scientific ? ScientificText(d, p) : FixedText(d, p);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Padded(std::string_view text, int width, char fill, bool fillBefore) {
    std::string result(text);
    if (width <= 0 || result.size() >= static_cast<std::size_t>(width)) return result;
    const std::size_t count = static_cast<std::size_t>(width) - result.size();
    if (fillBefore) {
        result.insert(0, count, fill);
    } else {
        result.append(count, fill);
    }
    return result;
}

}  // namespace

std::string FormatGeneral(float value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    return GeneralText(ToDecimal(value, kSingleDigits), kSingleDigits);
}

std::string FormatGeneral(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    return GeneralText(ToDecimal(value, kDoubleDigits), kDoubleDigits);
}

// Patterns round half away from zero on the value's decimal text at its own
// precision (15 significant digits for a Double, 7 for a Single), so 2.675
// gives "2.68" with "0.00" although its binary value lies just below 2.675.
std::string FormatNumber(double value, std::string_view pattern) {
    if (pattern.empty()) return FormatGeneral(value);
    if (!std::isfinite(value)) return NonFiniteText(value);
    return PatternText(ToDecimal(value, kDoubleDigits), pattern);
}

std::string FormatNumber(float value, std::string_view pattern) {
    if (pattern.empty()) return FormatGeneral(value);
    if (!std::isfinite(value)) return NonFiniteText(value);
    return PatternText(ToDecimal(value, kSingleDigits), pattern);
}

namespace {

template <typename T>
T RoundHalfEvenAs(T value, int decimals) {
    if (!std::isfinite(value)) return value;
    DecimalValue d = ToDecimal(value, 0);
    RoundToDecimals(d, decimals, TieRule::ToEven);
    if (d.IsZero()) return value < 0 ? T(-0.0) : T(0.0);
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1) {
        text.push_back('.');
        text.append(d.digits, 1, std::string::npos);
    }
    text += 'e';
    text += std::to_string(d.exponent);
    T result = 0;
    const auto status = std::from_chars(text.data(), text.data() + text.size(), result);
    if (status.ec != std::errc()) return value;  // rounded past the largest value: keep it
    return result;
}

}  // namespace

// Ties are judged on the shortest decimal text of the value (not on its
// binary value), so 2.675 rounds to 2.68 like the decimal 2.675.
double RoundHalfEven(double value, int decimals) {
    return RoundHalfEvenAs(value, decimals);
}

float RoundHalfEven(float value, int decimals) {
    return RoundHalfEvenAs(value, decimals);
}

namespace {

// The number text in the form std::from_chars reads: sign only when
// negative, digits with at most one ".", exponent introduced by "e". Also
// gives the decimal exponent of the first significant digit (for telling an
// underflow from an overflow); false when the text is not a number.
bool NormalNumberText(std::string_view text, std::string& normal, long long& magnitude) {
    text = TrimBlanks(text);
    normal.clear();
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') normal.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    bool point = false;
    long long digitsBeforePoint = 0;  // significant digits left of the point
    long long zerosAfterPoint = 0;    // zeros between the point and the first significant digit
    bool significant = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++mantissaDigits;
            if (c != '0') significant = true;
            if (!point && significant) ++digitsBeforePoint;
            if (point && !significant) ++zerosAfterPoint;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        normal.push_back(c);
    }
    if (mantissaDigits == 0) return false;
    long long exponent = 0;
    if (i < text.size()) {
        const char e = text[i];
        if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return false;
        normal.push_back('e');
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            normal.push_back(text[i]);
            ++i;
        }
        int exponentDigits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            normal.push_back(text[i]);
            ++exponentDigits;
            if (exponent < 1000000000LL) exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentDigits == 0 || i != text.size()) return false;
        if (negative) exponent = -exponent;
    }
    magnitude = (digitsBeforePoint > 0 ? digitsBeforePoint - 1 : -zerosAfterPoint - 1) + exponent;
    return true;
}

template <typename T>
bool ParseNumberAs(std::string_view text, T& value) {
    std::string normal;
    long long magnitude = 0;
    if (!NormalNumberText(text, normal, magnitude)) return false;
    T result = 0;
    const auto status = std::from_chars(normal.data(), normal.data() + normal.size(), result);
    if (status.ec == std::errc::result_out_of_range) {
        // Too small to hold reads as zero; too large is no number the program can use.
        if (magnitude >= 0) return false;
        value = normal[0] == '-' ? T(-0.0) : T(0.0);
        return true;
    }
    if (status.ec != std::errc() || status.ptr != normal.data() + normal.size()) return false;
    value = result;
    return true;
}

}  // namespace

bool ParseNumber(std::string_view text, double& value) {
    return ParseNumberAs(text, value);
}

// Reading straight into a Single rounds the decimal text once, as a Single
// field read from a file should be.
bool ParseNumber(std::string_view text, float& value) {
    return ParseNumberAs(text, value);
}

std::string PadDots(std::string_view text, int width) {
    return Padded(text, width, '.', false);
}

std::string PadRight(std::string_view text, int width) {
    return Padded(text, width, ' ', false);
}

std::string PadLeft(std::string_view text, int width) {
    return Padded(text, width, ' ', true);
}

// Breaks at the last blank at or before column `width`; the blank is dropped
// and the rest starts at its first non-blank. A line with no blank in its
// first `width` characters (a long path) is cut hard at `width` characters.
std::string WrapAt(std::string_view text, int width) {
    if (width <= 20) return std::string(text);
    const std::size_t w = static_cast<std::size_t>(width);
    std::string result;
    std::string rest(text);
    std::size_t p = w;  // 1-based position looked at
    while (rest.size() > w) {
        if (p == 0) {
            result.append(rest, 0, w);
            result += "\r\n";
            rest = std::string(TrimBlanks(std::string_view(rest).substr(w)));
            p = w;
        } else if (rest[p - 1] == ' ') {
            result.append(rest, 0, p - 1);
            result += "\r\n";
            rest = std::string(TrimBlanks(std::string_view(rest).substr(p - 1)));
            p = w;
        } else {
            --p;
        }
    }
    result += rest;
    result += "\r\n";
    return result;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace vesk
