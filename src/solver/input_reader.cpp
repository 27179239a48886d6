#include "input_reader.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <new>
#include <string>

#include "number_format.h"

namespace veskjirn {

namespace {

// No line of a valid input comes anywhere near this; longer lines are cut so
// that a damaged file cannot make the reader swallow unbounded memory.
constexpr std::size_t kMaxLineLength = 1u << 20;

// White space as the "C" locale knows it, whatever the process locale is.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void SkipSpace(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Steps over an optional "+" or "-" at `p`; true when it was "-".
bool SkipSign(std::string_view text, std::size_t& p) {
    if (p >= text.size() || (text[p] != '+' && text[p] != '-')) return false;
    return text[p++] == '-';
}

// "%i": optional sign, then hexadecimal after "0x", octal after a leading "0",
// decimal otherwise. A value outside 32 bits is not accepted.
bool ScanInteger(std::string_view text, std::size_t& pos, int32_t& value) {
    SkipSpace(text, pos);
    std::size_t p = pos;
    const bool negative = SkipSign(text, p);
    int base = 10;
    if (p < text.size() && text[p] == '0') {
        if (p + 2 < text.size() && (text[p + 1] == 'x' || text[p + 1] == 'X') &&
            DigitValue(text[p + 2]) < 16) {
            base = 16;
            p += 2;
        } else {
            base = 8;
        }
    }
    std::size_t digitsStart = p;
    long long magnitude = 0;
    while (p < text.size() && DigitValue(text[p]) < base) {
        magnitude = magnitude * base + DigitValue(text[p]);
        if (magnitude > 0x80000000LL) return false;
        ++p;
    }
    if (p == digitsStart) return false;
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < std::numeric_limits<int32_t>::min() ||
        signedValue > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(signedValue);
    pos = p;
    return true;
}

// "%lf": optional sign, then a decimal or hexadecimal floating number, "inf",
// "infinity" or "nan". A number whose exponent has no digits ("2e") does not
// match, as in the C library.
bool ScanReal(std::string_view text, std::size_t& pos, double& value) {
    SkipSpace(text, pos);
    std::size_t p = pos;
    const bool negative = SkipSign(text, p);
    if (p >= text.size() || text[p] == '+' || text[p] == '-') return false;
    const char* first = text.data() + p;
    const char* last = text.data() + text.size();
    double magnitude = 0.0;
    std::from_chars_result result{};
    bool hex = last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X');
    if (hex) {
        if (first[2] == '+' || first[2] == '-') return false;
        result = std::from_chars(first + 2, last, magnitude, std::chars_format::hex);
    } else {
        result = std::from_chars(first, last, magnitude, std::chars_format::general);
    }
    if (result.ec != std::errc()) return false;
    const char* end = result.ptr;
    if (end < last && (hex ? (*end == 'p' || *end == 'P') : (*end == 'e' || *end == 'E'))) return false;
    value = negative ? -magnitude : magnitude;
    pos = static_cast<std::size_t>(end - text.data());
    return true;
}

// Reads one line without its line end. Returns false at the end of the file
// when nothing was left to read. The line stops at a NUL byte, as a C string
// would, and is cut at kMaxLineLength.
bool ReadLine(std::FILE* file, std::string& line) {
    line.clear();
    bool any = false;
    bool cut = false;
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (c == '\0') cut = true;
        if (!cut && line.size() < kMaxLineLength) line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

// The first white-space-free token of a line.
std::string_view FirstToken(std::string_view line) {
    std::size_t pos = 0;
    SkipSpace(line, pos);
    std::size_t start = pos;
    while (pos < line.size() && !IsSpace(line[pos])) ++pos;
    return line.substr(start, pos - start);
}

// Checks one code line and stores it into row `seam` of CharCodes; on failure
// writes the status message, and for a token of the wrong length a second line
// with the counts. Every character of the token is stored: characters without
// a material law are answered by the solution (status 11), as the material
// numbers of all characters are defined.
bool StoreCodes(CVeskJirn2DDoc& doc, int seam, bool haveLine, const std::string& line, const char* message) {
    auto fail = [&](const std::string& reason) {
        doc.ErrLog.Write(message);
        doc.ErrLog.Write("\n");
        doc.ErrLog.Write(reason);
        return false;
    };
    std::string_view token = haveLine ? FirstToken(line) : std::string_view();
    if (token.empty()) return fail("");
    const int32_t n = doc.ElementCount;
    if (token.size() != static_cast<std::size_t>(n)) {
        return fail(Format("  The line holds %i codes where %i are expected.\n",
                           {static_cast<long long>(token.size()), n}));
    }
    for (int32_t i = 1; i <= n; ++i) doc.CharCodes(seam, i) = token[static_cast<std::size_t>(i - 1)];
    return true;
}

// Values that would let the model divide by zero, index outside its grids or
// produce no meaningful numbers are refused before any grid is made.
std::string ControlLineProblem(const CVeskJirn2DDoc& doc) {
    const double reals[] = {doc.ExtractionRatio[1], doc.ExtractionRatio[2], doc.ElementWidth,
                            doc.SeamOverburden[1],  doc.SeamOverburden[2],  doc.SeamHeight[1],
                            doc.SeamHeight[2]};
    for (double v : reals) {
        if (!std::isfinite(v)) return "  A value of the first line is not a finite number.\n";
    }
    if (!(doc.ElementWidth > 0.0))
        return Format("  The element width %g is not positive.\n", {doc.ElementWidth});
    for (int s = 1; s <= 2; ++s) {
        if (!(doc.SeamHeight[s] > 0.0))
            return Format("  The thickness %g of seam %i is not positive.\n", {doc.SeamHeight[s], s});
        if (!(doc.ExtractionRatio[s] >= 0.0 && doc.ExtractionRatio[s] < 1.0))
            return Format("  The extraction ratio %g of seam %i is outside 0 to below 1.\n",
                          {doc.ExtractionRatio[s], s});
    }
    if (doc.SeamOverburden[1] == doc.SeamOverburden[2])
        return Format("  Both seams lie at the same depth %g; the seams must be apart.\n",
                      {doc.SeamOverburden[1]});
    if (doc.CriticalSeam != 1 && doc.CriticalSeam != 2)
        return Format("  The critical seam %i is neither 1 nor 2.\n", {doc.CriticalSeam});
    if (doc.CriticalElement < 1 || doc.CriticalElement > doc.ElementCount)
        return Format("  The critical element %i is outside 1..%i.\n",
                      {doc.CriticalElement, doc.ElementCount});
    return {};
}

class InputFile {
public:
    explicit InputFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
    ~InputFile() {
        if (file_ != nullptr) std::fclose(file_);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    std::FILE* get() const { return file_; }

private:
    std::FILE* file_;
};

}  // namespace

int ScanControlLine(std::string_view line, CVeskJirn2DDoc& doc) {
    std::size_t pos = 0;
    int count = 0;
    auto separator = [&]() {
        if (pos >= line.size() || line[pos] != ',') return false;
        ++pos;
        SkipSpace(line, pos);
        return true;
    };
    auto integer = [&](int32_t& field) {
        if (count > 0 && !separator()) return false;
        if (!ScanInteger(line, pos, field)) return false;
        ++count;
        return true;
    };
    auto real = [&](double& field) {
        if (count > 0 && !separator()) return false;
        if (!ScanReal(line, pos, field)) return false;
        ++count;
        return true;
    };
    integer(doc.UnitsCode) && real(doc.ExtractionRatio[1]) && real(doc.ExtractionRatio[2]) &&
        real(doc.ElementWidth) && integer(doc.ElementCount) && real(doc.SeamOverburden[1]) &&
        real(doc.SeamOverburden[2]) && real(doc.SeamHeight[1]) && real(doc.SeamHeight[2]) &&
        integer(doc.CriticalElement) && integer(doc.CriticalSeam);
    return count;
}

int32_t ReadInput(CVeskJirn2DDoc& doc) {
    InputFile input(doc.InputPath);
    if (input.get() == nullptr) {
        doc.ErrLog.Write("Could not open the VeskJirn2D input file\n");
        return kStatusCannotOpenInput;
    }

    std::string line;
    bool haveLine = ReadLine(input.get(), line);
    if (!haveLine || ScanControlLine(line, doc) < 11) {
        doc.ErrLog.Write("Could not accurately read the VeskJirn2D input file\n");
        return kStatusBadControlLine;
    }
    // An element count of 0 is what the program writes after a grid generation
    // error, with empty code lines: it is answered as unreadable seam 1 codes.
    if (doc.ElementCount < 1) {
        doc.ErrLog.Write("Could not read Seam 1 material character codes\n");
        if (doc.ElementCount < 0)
            doc.ErrLog.Write(Format("  The number of elements %i is below 1.\n", {doc.ElementCount}));
        return kStatusBadSeam1Codes;
    }
    if (doc.ElementCount > kMaxElementCount) {
        doc.ErrLog.Write("Unable to allocate memory for grid matrices\n");
        doc.ErrLog.Write(Format("  The number of elements %i exceeds the limit of %i.\n",
                                {doc.ElementCount, kMaxElementCount}));
        return kStatusNoGridMemory;
    }
    std::string problem = ControlLineProblem(doc);
    if (!problem.empty()) {
        doc.ErrLog.Write("Could not accurately read the VeskJirn2D input file\n");
        doc.ErrLog.Write(problem);
        return kStatusBadControlLine;
    }

    haveLine = ReadLine(input.get(), line);
    try {
        doc.CharCodes.Allocate(1, doc.SeamCount, 1, doc.ElementCount);
        doc.IntCodes.Allocate(1, doc.SeamCount, 1, doc.ElementCount);
    } catch (const std::bad_alloc&) {
        doc.CharCodes.Free();
        doc.IntCodes.Free();
        doc.ErrLog.Write("Unable to allocate memory for grid matrices\n");
        return kStatusNoGridMemory;
    }
    if (!StoreCodes(doc, 1, haveLine, line, "Could not read Seam 1 material character codes"))
        return kStatusBadSeam1Codes;
    haveLine = ReadLine(input.get(), line);
    if (!StoreCodes(doc, 2, haveLine, line, "Could not read Seam 2 material character codes"))
        return kStatusBadSeam2Codes;
    return kStatusOk;
}

int32_t CharToMaterial(char c) {
    signed char value = static_cast<signed char>(c);
    return value < 'A' ? value - 22 : value - 65;
}

void ConvertCodes(CVeskJirn2DDoc& doc) {
    for (int s = 1; s <= doc.SeamCount; ++s) {
        for (int i = 1; i <= doc.ElementCount; ++i) doc.IntCodes(s, i) = CharToMaterial(doc.CharCodes(s, i));
    }
}

}  // namespace veskjirn
