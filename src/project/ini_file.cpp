#include "project/ini_file.h"

#include "project/text_file_io.h"

namespace vesk {
namespace {

constexpr size_t npos = std::string::npos;

std::string_view Trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == npos) return {};
    size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

// The section name of a header line "[Name]", or nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    size_t close = trimmed.find(']');
    if (close == npos) return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    std::string_view trimmed = Trim(line);
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The key of a "key=value" line, or nothing.
std::optional<std::string_view> KeyName(std::string_view line) {
    if (IsComment(line) || SectionName(line)) return std::nullopt;
    size_t equals = line.find('=');
    if (equals == npos) return std::nullopt;
    std::string_view key = Trim(line.substr(0, equals));
    if (key.empty()) return std::nullopt;
    return key;
}

std::string OneLine(std::string_view value) {
    std::string text(value);
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

}  // namespace

IniFile IniFile::Load(const std::string& path) {
    std::string text;
    FileError error;
    if (!ReadWholeFile(path, text, error)) return IniFile();
    return FromText(text);
}

IniFile IniFile::FromText(std::string_view text) {
    IniFile file;
    // A byte-order mark left by an editor would hide the first section.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    size_t firstBreak = text.find('\n');
    if (firstBreak != npos && (firstBreak == 0 || text[firstBreak - 1] != '\r')) file.lineEnd_ = "\n";
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == npos ? npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        file.lines_.emplace_back(line);
        if (end == npos) break;
        start = end + 1;
    }
    return file;
}

size_t IniFile::findSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::optional<std::string_view> name = SectionName(lines_[i]);
        if (name && SameName(*name, Trim(section))) return i;
    }
    return npos;
}

size_t IniFile::sectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i])) ++i;
    return i;
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(section) != npos;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    size_t header = findSection(section);
    if (header == npos) return std::nullopt;
    size_t end = sectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        std::optional<std::string_view> name = KeyName(lines_[i]);
        if (!name || !SameName(*name, Trim(key))) continue;
        std::string_view line = lines_[i];
        std::string_view text = Trim(line.substr(line.find('=') + 1));
        if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
            text = text.substr(1, text.size() - 2);
        return std::string(text);
    }
    return std::nullopt;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string keyName(Trim(key));
    const std::string line = keyName + "=" + OneLine(value);
    size_t header = findSection(section);
    if (header == npos) {
        lines_.push_back("[" + std::string(Trim(section)) + "]");
        lines_.push_back(line);
        return;
    }
    size_t end = sectionEnd(header);
    size_t insertAt = header + 1;
    for (size_t i = header + 1; i < end; ++i) {
        std::optional<std::string_view> name = KeyName(lines_[i]);
        if (name && SameName(*name, keyName)) {
            lines_[i] = std::string(*name) + "=" + OneLine(value);
            return;
        }
        if (!Trim(lines_[i]).empty()) insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string IniFile::text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + lineEnd_;
    return text;
}

bool IniFile::save(const std::string& path, FileError& error) const {
    return WriteFileReplacing(path, text(), error);
}

}  // namespace vesk
