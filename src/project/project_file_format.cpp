#include "project/project_file_format.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/description_text.h"

namespace vesk {

namespace {

constexpr const char* VeskStart = "##Vesk START##";
constexpr const char* VeskEnd = "##Vesk END##";
constexpr const char* KavoStart = "##Kavo START##";
constexpr const char* KavoEnd = "##Kavo END##";
constexpr const char* OndarStart = "##Ondar START##";
constexpr const char* OndarEnd = "##Ondar END##";

// Centre distances in use for an entry count, kept inside the array.
size_t DistanceCount(int16_t numberOfEntries, int16_t maxEntries) {
    return static_cast<size_t>(std::clamp(static_cast<int>(numberOfEntries) - 1, 0, maxEntries - 1));
}

// The sections of the file, in file order, for both directions: the writer
// and the reader walk the same list, so they cannot drift apart. `version` is
// the FileFormatVersion (50..53); fields a version lacks are skipped.
template <class Io>
void VisitSections(Io& io, ProjectRecords& r, int version) {
    const bool markers = version >= 53;

    VeskParams& v = r.Vesk;
    if (markers) io.Marker(VeskStart);
    io.Choice(v.ActiveMiningMode, 0, 1, "ActiveMiningMode");
    io.Choice(v.PreviousMining, 0, 1, "PreviousMining");
    io.Choice(v.VerticalPosition, 0, 1, "VerticalPosition");
    io.Real(v.InterburdenThickness);
    io.Real(v.SeamThickness);
    io.Real(v.GobWidth);
    io.Real(v.RemnantWidth);
    io.Real(v.GobWidth1);
    io.Real(v.GobWidth2);
    if (version >= 51) {
        io.Int(v.ExtraSupport);
        io.Real(v.ActiveSeamCMRR);
        io.Real(v.AgeOfWorkings);
    }
    if (markers) io.Marker(VeskEnd);

    KavoParams& k = r.Kavo;
    if (markers) io.Marker(KavoStart);
    io.Real(k.EntryHeight);
    io.Real(k.DepthOfCover);
    io.Real(k.PanelWidth);
    io.Real(k.EntryWidth);
    io.Real(k.CrosscutSpacing);
    io.EntryCount(k.NumberOfEntries, KavoParams::MaxEntries, "longwall NumberOfEntries");
    size_t kavoDistances = DistanceCount(k.NumberOfEntries, KavoParams::MaxEntries);
    for (size_t i = 1; i <= kavoDistances; ++i) io.Real(k.EntryCenters[i]);
    io.Real(k.CoalStrength);
    io.Real(k.AbutmentAngle);
    io.Real(k.UnitWeight);
    io.Real(k.SFHeadgate);
    io.Real(k.SFBleeder);
    io.Real(k.SFTailgate);
    io.Real(k.CMRR);
    io.Clamped(k.UseCMRRFactors, 0, 1);
    io.Clamped(k.PillarConfiguration, 0, 3);
    io.Real(k.YieldPillarWidth);
    io.Int(k.AdvancedGeometry);
    for (size_t i = 1; i <= kavoDistances; ++i) {
        io.Real(k.PillarCrosscutAngle[i]);
        io.Real(k.PillarCrosscutSpacing[i]);
    }
    if (markers) io.Marker(KavoEnd);

    OndarParams& o = r.Ondar;
    if (markers) io.Marker(OndarStart);
    io.Real(o.EntryHeight);
    io.Real(o.DepthOfCover);
    io.Real(o.CrosscutAngle);
    io.Real(o.EntryWidth);
    io.Real(o.CrosscutSpacing);
    io.EntryCount(o.NumberOfEntries, OndarParams::MaxEntries, "retreat NumberOfEntries");
    size_t ondarDistances = DistanceCount(o.NumberOfEntries, OndarParams::MaxEntries);
    for (size_t i = 1; i <= ondarDistances; ++i) io.Real(o.EntryCenters[i]);
    io.Real(o.CoalStrength);
    io.Real(o.UnitWeight);
    io.Real(o.AMZBreadth);
    io.Int(o.AMZAuto);
    if (version >= 52) {
        io.Real(o.ArchFactor);
        io.Int(o.ArchFactorAuto);
    }
    io.Choice(o.LoadingCondition, 0, 4, "LoadingCondition");  // the method takes a stored 4 as 3
    io.Real(o.ActiveGobExtent);
    io.Real(o.ActiveGobAbutmentAngle);
    io.Real(o.FirstGobExtent);
    io.Real(o.FirstGobAbutmentAngle);
    io.Real(o.FirstGobBarrierWidth);
    io.Real(o.FirstGobSlabCut);
    io.Real(o.SecondGobExtent);
    io.Real(o.SecondGobAbutmentAngle);
    io.Real(o.SecondGobBarrierWidth);
    io.Real(o.SecondGobSlabCut);
    if (version >= 52) {
        io.Int(o.LeaveRowA);
        io.Int(o.LeaveRowB);
        io.Int(o.LeaveRowC);
        io.Int(o.LeaveRowD);
        io.Real(o.RowCPillarWidth);
        io.Real(o.RowDPillarWidth);
    }
    if (markers) io.Marker(OndarEnd);
}

// ---- writer ---------------------------------------------------------------

class SectionWriter {
public:
    explicit SectionWriter(std::string& out) : out_(out) {}

    void Line(std::string_view text) {
        out_ += text;
        out_ += CrLf;
    }
    void Marker(const char* marker) { Line(marker); }
    void Int(int16_t& value) { Line(IntegerLine(value)); }
    void Choice(int16_t& value, int, int, const char*) { Int(value); }
    void Clamped(int16_t& value, int, int) { Int(value); }
    void Real(float& value) { Line(FormatGeneral(value)); }
    void Real(double& value) { Line(FormatGeneral(value)); }
    void EntryCount(int16_t& value, int16_t maxEntries, const char*) {
        // A count the arrays cannot hold would make the file unreadable; the
        // dialogs never store one, so it is kept in range here.
        if (value < 0) value = 1;
        if (value > maxEntries) value = maxEntries;
        Int(value);
        if (value == 0) value = 1;  // "0" on file, one entry in the project
    }

private:
    std::string& out_;
};

// A line of the description that reads like the end marker gets a trailing
// blank, so that it cannot end the description early when read back.
std::string SafeDescriptionLine(std::string_view line) {
    std::string text(line);
    if (text == EndDescMarker) text += ' ';
    return text;
}

// The title is one line of the file: line breaks in it become blanks.
std::string SingleLine(std::string_view text) {
    std::string line(text);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

// ---- reader ---------------------------------------------------------------

struct ReadFailure {
    FileError error;
};

// Sequential reader with the two read forms of the file: whole lines (text
// lines) and items separated by commas or line ends (numbers and the tag).
// Line ends may be CR LF, LF or CR.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    int CurrentLine() const { return line_; }

    std::string ReadLine() {
        if (AtEnd()) Fail(ErrInputPastEndOfFile, "Input past end of file");
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n') ++pos_;
        std::string line(text_.substr(start, pos_ - start));
        SkipLineEnd();
        return line;
    }

    // One item: leading and trailing blanks dropped, up to a comma (consumed;
    // the next item continues on the same line) or the line end.
    std::string ReadItem() {
        if (AtEnd()) Fail(ErrInputPastEndOfFile, "Input past end of file");
        itemLine_ = line_;
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
            ++pos_;
        std::string_view item = text_.substr(start, pos_ - start);
        while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.remove_suffix(1);
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
        } else {
            SkipLineEnd();
        }
        return std::string(item);
    }

    [[noreturn]] void Fail(int number, const std::string& description) const {
        throw ReadFailure{FileError{number, description, AtEnd() ? line_ : std::max(itemLine_, 1)}};
    }
    [[noreturn]] void FailAtItem(int number, const std::string& description) const {
        throw ReadFailure{FileError{number, description, itemLine_}};
    }

private:
    void SkipLineEnd() {
        if (pos_ >= text_.size()) return;
        if (text_[pos_] == '\r') {
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        } else if (text_[pos_] == '\n') {
            ++pos_;
        }
        ++line_;
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    int itemLine_ = 1;
};

std::string Quoted(std::string_view text) {
    // Binary junk is shown as '?' so that a message stays printable.
    std::string shown;
    for (char c : text.substr(0, 40)) shown += (static_cast<unsigned char>(c) < 32 || c == 127) ? '?' : c;
    if (text.size() > 40) shown += "...";
    return "\"" + shown + "\"";
}

class SectionReader {
public:
    explicit SectionReader(LineReader& in) : in_(in) {}

    void Marker(const char* marker) {
        std::string item = in_.ReadItem();
        if (item != marker) {
            in_.FailAtItem(ErrTypeMismatch,
                           std::string("Section marker \"") + marker + "\" expected, found " + Quoted(item));
        }
    }
    void Int(int16_t& value) { value = ReadInteger(); }
    void Choice(int16_t& value, int low, int high, const char* name) {
        int16_t read = ReadInteger();
        if (read < low || read > high) {
            in_.FailAtItem(ErrInvalidPropertyValue,
                           std::string("Invalid property value (") + name + " = " + std::to_string(read) +
                               ", valid " + std::to_string(low) + ".." + std::to_string(high) + ")");
        }
        value = read;
    }
    void Clamped(int16_t& value, int low, int high) {
        int16_t read = ReadInteger();
        value = (read < low || read > high) ? static_cast<int16_t>(low) : read;
    }
    void Real(float& value) {
        double read = ReadNumber();
        if (std::fabs(read) > static_cast<double>(FLT_MAX)) in_.FailAtItem(ErrOverflow, "Overflow");
        value = static_cast<float>(read);
    }
    void Real(double& value) { value = ReadNumber(); }
    void EntryCount(int16_t& value, int16_t maxEntries, const char* name) {
        int16_t read = ReadInteger();
        if (read == 0) read = 1;
        if (read < 0 || read > maxEntries) {
            in_.FailAtItem(ErrSubscriptOutOfRange, std::string("Subscript out of range (") + name + " = " +
                                                       std::to_string(read) + ", valid 1.." +
                                                       std::to_string(maxEntries) + ")");
        }
        value = read;
    }

private:
    double ReadNumber() {
        std::string item = in_.ReadItem();
        double value = 0;
        if (item.empty() || !ParseNumber(item, value) || !std::isfinite(value)) {
            in_.FailAtItem(ErrTypeMismatch, "Type mismatch: " + Quoted(item) + " is not a number");
        }
        return value;
    }
    int16_t ReadInteger() {
        double value = std::nearbyint(ReadNumber());  // ties to even, as an Integer read rounds
        if (value < -32768.0 || value > 32767.0) in_.FailAtItem(ErrOverflow, "Overflow");
        return static_cast<int16_t>(value);
    }

    LineReader& in_;
};

int16_t VersionOfTag(std::string_view tag) {
    if (tag == "Vesk_103") return 53;
    if (tag == "Vesk_102") return 52;
    if (tag == "Vesk_101") return 51;
    if (tag == "Vesk_100") return 50;
    return 0;
}

bool IsBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

std::string IntegerLine(int16_t value) {
    return (value < 0 ? std::string() : std::string(" ")) + std::to_string(value) + " ";
}

std::string FormatProjectFile(ProjectFileContents& contents) {
    std::string out;
    SectionWriter writer(out);
    writer.Line(ProjectFileTag);
    writer.Line(IntegerLine(contents.UnitSystem));
    writer.Line(SingleLine(contents.ProjectTitle));
    writer.Line(StartDescMarker);
    std::string description = NormalisedDescription(contents.ProjectDescription);
    size_t start = 0;
    while (!description.empty()) {
        size_t end = description.find(CrLf, start);
        writer.Line(SafeDescriptionLine(std::string_view(description).substr(start, end - start)));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    writer.Line(EndDescMarker);
    VisitSections(writer, contents.Records, CurrentFileFormatVersion);
    return out;
}

ProjectFileReadStatus ParseProjectFile(std::string_view text, ProjectFileContents& contents,
                                       FileError& error) {
    LineReader in(text);
    try {
        if (in.AtEnd()) return ProjectFileReadStatus::InvalidFileType;
        int16_t version = VersionOfTag(in.ReadItem());
        if (version == 0) return ProjectFileReadStatus::InvalidFileType;
        contents.FileFormatVersion = version;

        SectionReader reader(in);
        int16_t unitSystem = 0;
        reader.Int(unitSystem);
        contents.UnitSystem = (unitSystem < 0 || unitSystem > 1) ? int16_t{0} : unitSystem;
        contents.ProjectTitle = in.ReadLine();

        std::string description;
        std::string line = in.ReadLine();
        if (line == StartDescMarker) line = in.ReadLine();
        while (line != EndDescMarker) {
            if (!IsBlankLine(line)) {
                if (!description.empty()) description += CrLf;
                description += line;
            }
            line = in.ReadLine();
        }
        contents.ProjectDescription = description;

        VisitSections(reader, contents.Records, version);
    } catch (const ReadFailure& failure) {
        error = failure.error;
        return ProjectFileReadStatus::Malformed;
    }
    return ProjectFileReadStatus::Ok;
}

}  // namespace vesk
