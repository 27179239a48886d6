#include "number_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace veskjirn {

long long FormatArg::AsInteger() const {
    switch (kind_) {
        case Kind::Integer: return integer_;
        case Kind::Character: return character_;
        case Kind::Real:
            // Only reached by a mismatched pattern; keep it defined for any value.
            if (std::isfinite(real_) && std::fabs(real_) < 9.0e18) return static_cast<long long>(real_);
            return 0;
        case Kind::Text: return 0;
    }
    return 0;
}

double FormatArg::AsReal() const {
    switch (kind_) {
        case Kind::Real: return real_;
        case Kind::Integer: return static_cast<double>(integer_);
        case Kind::Character: return character_;
        case Kind::Text: return 0.0;
    }
    return 0.0;
}

namespace {

void AppendPadded(std::string& out, std::string_view text, int width, bool leftAlign) {
    std::size_t pad = width > 0 && static_cast<std::size_t>(width) > text.size()
                          ? static_cast<std::size_t>(width) - text.size()
                          : 0;
    if (!leftAlign) out.append(pad, ' ');
    out.append(text);
    if (leftAlign) out.append(pad, ' ');
}

// Infinities and NaNs print as the C library prints them: "inf", "-inf",
// "nan", "-nan".
bool AppendSpecial(std::string& out, double value, int width, bool leftAlign) {
    if (std::isfinite(value)) return false;
    std::string_view text;
    if (std::isnan(value)) {
        text = std::signbit(value) ? "-nan" : "nan";
    } else {
        text = value < 0 ? "-inf" : "inf";
    }
    AppendPadded(out, text, width, leftAlign);
    return true;
}

}  // namespace

void AppendFixed(std::string& out, double value, int precision, int width, bool leftAlign) {
    if (AppendSpecial(out, value, width, leftAlign)) return;
    if (precision < 0) precision = 6;
    // The largest double has 309 integer digits; precision is small in practice.
    if (precision > 100) precision = 100;
    std::array<char, 512> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                                precision);
    AppendPadded(out, std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())),
                 width, leftAlign);
}

void AppendGeneral(std::string& out, double value, int precision, int width, bool leftAlign) {
    if (AppendSpecial(out, value, width, leftAlign)) return;
    if (precision < 0) precision = 6;
    if (precision == 0) precision = 1;
    if (precision > 100) precision = 100;
    std::array<char, 512> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::general, precision);
    AppendPadded(out, std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())),
                 width, leftAlign);
}

void AppendInteger(std::string& out, long long value, int width, bool leftAlign) {
    std::array<char, 32> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    AppendPadded(out, std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())),
                 width, leftAlign);
}

void AppendFormat(std::string& out, std::string_view pattern, std::initializer_list<FormatArg> args) {
    const FormatArg* next = args.begin();
    const FormatArg* end = args.end();
    std::size_t i = 0;
    while (i < pattern.size()) {
        char c = pattern[i];
        if (c != '%') {
            out.push_back(c);
            ++i;
            continue;
        }
        ++i;
        if (i < pattern.size() && pattern[i] == '%') {
            out.push_back('%');
            ++i;
            continue;
        }
        bool leftAlign = false;
        while (i < pattern.size() && pattern[i] == '-') {
            leftAlign = true;
            ++i;
        }
        int width = 0;
        while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9' && width < 1000) {
            width = width * 10 + (pattern[i] - '0');
            ++i;
        }
        int precision = -1;
        if (i < pattern.size() && pattern[i] == '.') {
            ++i;
            precision = 0;
            while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9' && precision < 1000) {
                precision = precision * 10 + (pattern[i] - '0');
                ++i;
            }
        }
        while (i < pattern.size() && pattern[i] == 'l') ++i;
        if (i >= pattern.size()) break;
        char conversion = pattern[i++];
        if (next == end) continue;
        const FormatArg& arg = *next++;
        switch (conversion) {
            case 'i':
            case 'd': AppendInteger(out, arg.AsInteger(), width, leftAlign); break;
            case 'f': AppendFixed(out, arg.AsReal(), precision, width, leftAlign); break;
            case 'g': AppendGeneral(out, arg.AsReal(), precision, width, leftAlign); break;
            case 'c': {
                char ch = arg.AsCharacter();
                AppendPadded(out, std::string_view(&ch, 1), width, leftAlign);
                break;
            }
            case 's': AppendPadded(out, arg.AsText(), width, leftAlign); break;
            default: break;
        }
    }
}

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
    std::string out;
    AppendFormat(out, pattern, args);
    return out;
}

}  // namespace veskjirn
