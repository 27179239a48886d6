#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vesk {

struct RecentFileEntry {
    std::string ShortName;  // file name with extension, no folder
    std::string LongName;   // full path
    int16_t Mode = 1;
};

// The list of recently used project files (at most four).
struct RecentFiles {
    static constexpr int MaxEntries = 4;
    std::array<RecentFileEntry, MaxEntries> Entries{};
    int16_t Count = 0;     // MaxLastFiles
    int16_t NextMode = 1;  // mode for the next entry
};

}  // namespace vesk
