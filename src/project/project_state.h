#pragma once
#include <cstdint>
#include <string>

namespace vesk {

inline constexpr uint8_t ByteTrue = 255;
inline constexpr uint8_t ByteFalse = 0;

// State of the open project file. The flags are bytes, 255 = true, 0 = false.
struct ProjectState {
    uint8_t ProjectSaved = 0;
    uint8_t NoData = 0;
    uint8_t UnitsLocked = 0;
    int16_t FileFormatVersion = 0;  // 50..53 for "Vesk_100".."Vesk_103"
    std::string PreviousFileName;
};

}  // namespace vesk
