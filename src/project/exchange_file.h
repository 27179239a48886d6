#pragma once
#include <chrono>
#include <cstdint>
#include <string>

#include "project/data_paths.h"
#include "project/kavo_params.h"
#include "project/ondar_params.h"

namespace vesk {

struct Workspace;

// Input files of the stand-alone longwall and retreat programs, written from
// the stored copies in the project's units, with the line forms of the
// project file.
inline constexpr const char* KavoExchangeTag = "Kavo_500";
inline constexpr const char* OndarExchangeTag = "Ondar_602";
inline constexpr const char* KavoExchangeFileName = "Vesk2Kavo.KVO";
inline constexpr const char* OndarExchangeFileName = "Vesk2Ondar.ODR";

// Where the exports go: the system temporary folder + the file name.
std::string KavoExchangePath(const DataPaths& paths);
std::string OndarExchangePath(const DataPaths& paths);

// The text of the longwall file. False when NumberOfEntries is above the
// record's six entries (the file would not match its own count).
bool FormatKavoExchangeFile(const KavoParams& kavo, int16_t unitSystem, std::string& text);

// The text of the retreat file; `dateText` follows the description text
// without a blank. A NumberOfEntries of 0 is written as "0" and becomes 1 in
// `ondar`. False when NumberOfEntries is above ten.
bool FormatOndarExchangeFile(OndarParams& ondar, int16_t unitSystem, const std::string& dateText,
                             std::string& text);

// The exports of the method dialogs: history line "Saving: " + path, then the
// file (replaced through a temporary file). The longwall export also
// normalises the project description; the retreat export sets a retreat
// NumberOfEntries of 0 to 1 in the stored copy. False, after the program's
// error message, when the file cannot be written.
bool FileSaveKavo(Workspace& ws, const std::string& path);
bool FileSaveOndar(Workspace& ws, const std::string& path, const std::string& dateText);

// The date in the short date form of the process locale (LC_TIME).
std::string ShortDateText(std::chrono::system_clock::time_point when);

}  // namespace vesk
