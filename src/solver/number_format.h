#pragma once
// printf-style formatting of the solver's log and result lines that never looks
// at the process locale: the calling program may run under a comma locale, yet
// every number the solver writes uses "." as its decimal separator.
//
// Supported conversions: %i %d (integers), %f (fixed), %g (general), %c, %s and
// %%, each with an optional '-' flag, width and precision, exactly as the C
// library prints them in the "C" locale.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace veskjirn {

class FormatArg {
public:
    enum class Kind { Integer, Real, Character, Text };
    FormatArg(int value) : kind_(Kind::Integer), integer_(value) {}
    FormatArg(long value) : kind_(Kind::Integer), integer_(value) {}
    FormatArg(long long value) : kind_(Kind::Integer), integer_(value) {}
    FormatArg(double value) : kind_(Kind::Real), real_(value) {}
    FormatArg(char value) : kind_(Kind::Character), character_(value) {}
    FormatArg(std::string_view value) : kind_(Kind::Text), text_(value) {}
    FormatArg(const char* value) : kind_(Kind::Text), text_(value) {}
    FormatArg(const std::string& value) : kind_(Kind::Text), text_(value) {}

    Kind kind() const { return kind_; }
    long long AsInteger() const;
    double AsReal() const;
    char AsCharacter() const {
        return kind_ == Kind::Character ? character_ : static_cast<char>(AsInteger());
    }
    std::string_view AsText() const { return kind_ == Kind::Text ? text_ : std::string_view(); }

private:
    Kind kind_;
    long long integer_ = 0;
    double real_ = 0.0;
    char character_ = 0;
    std::string_view text_;
};

// Appends the pattern with its conversions replaced by the arguments, in order.
// A conversion without an argument prints nothing; surplus arguments are ignored.
void AppendFormat(std::string& out, std::string_view pattern, std::initializer_list<FormatArg> args);
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args = {});

// The single conversions, also usable on their own.
void AppendFixed(std::string& out, double value, int precision, int width = 0, bool leftAlign = false);
void AppendGeneral(std::string& out, double value, int precision, int width = 0, bool leftAlign = false);
void AppendInteger(std::string& out, long long value, int width = 0, bool leftAlign = false);

}  // namespace veskjirn
