#pragma once
#include <string>

namespace vesk {

// The folders and files the program uses. Every folder ends with '/'.
struct DataPaths {
    std::string AppFolder;
    std::string UserDataFolder;
    std::string UserTempFolder;
    std::string SystemTempFolder;
    std::string IniFileName;   // UserDataFolder + "Vesk.INI"
    std::string TempWorkFile;  // UserTempFolder + "~tmpwork.VSK"
    std::string TempDescFile;  // UserTempFolder + "~tmpdesc.tmp"
};

}  // namespace vesk
