#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/project_file_format.h"

namespace vesk {

// A profile (INI) file held as its lines, read and changed key by key the way
// the settings file has always been handled: section and key names match
// without regard to case, a value is the text after the first "=" without
// surrounding blanks (and without one pair of enclosing quotes), and a change
// rewrites only the line of that key, so that every other line, key and
// section stays as it was. The first of two equal sections or keys wins.
class IniFile {
public:
    // The lines of the file at `path`; a missing or unreadable file gives an
    // empty profile, as the profile functions treat it.
    static IniFile Load(const std::string& path);
    static IniFile FromText(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

    // Sets the key's value: replaces the key's line, or adds the key after the
    // last key of its section, or adds the section at the end of the file.
    // Line breaks inside the value become blanks, since a value is one line.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;
    // Writes the whole profile through a temporary file that replaces the old
    // one, so that a failed write leaves the previous file as it was.
    bool save(const std::string& path, FileError& error) const;

private:
    // Index of the section's header line, or npos.
    size_t findSection(std::string_view section) const;
    // One past the section's last line (the next header or the end).
    size_t sectionEnd(size_t header) const;

    std::vector<std::string> lines_;
    std::string lineEnd_ = "\r\n";
};

}  // namespace vesk
