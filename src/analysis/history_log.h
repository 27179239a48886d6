#pragma once
#include <cstdint>
#include <string>

namespace vesk {

// The text of the history window: numbered lines, cut to the last two lines
// when it has grown to the size limit.
struct HistoryLog {
    std::string Text;
    int16_t Counter = 0;
    bool Enabled = false;  // DisplayHistoryWin
    int MaxDisplaySize = 4096;
};

}  // namespace vesk
