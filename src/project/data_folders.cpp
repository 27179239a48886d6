#include "project/data_folders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace vesk {
namespace fs = std::filesystem;

namespace {

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

// The value of one entry of user-dirs.dirs (NAME="$HOME/Folder"), with $HOME
// replaced; "" when the entry is missing, relative, or the home folder itself
// (which means the folder is switched off).
std::string UserDir(const std::string& home, std::string_view text, std::string_view name) {
    std::istringstream lines{std::string(text)};
    std::string line;
    std::string value;
    while (std::getline(lines, line)) {
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        if (line.compare(start, name.size(), name) != 0) continue;
        size_t equals = line.find('=', start);
        if (equals == std::string::npos || line.find_first_not_of(" \t", start + name.size()) != equals)
            continue;
        value = line.substr(equals + 1);
        while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
    }
    if (value.rfind("$HOME", 0) == 0) {
        if (home.empty()) return "";
        value = home + value.substr(5);
    }
    if (value.empty() || value.front() != '/') return "";
    auto sameFolder = [](const std::string& a, const std::string& b) {
        auto normal = [](const std::string& p) {
            std::string text = fs::path(p).lexically_normal().string();
            while (text.size() > 1 && text.back() == '/') text.pop_back();
            return text;
        };
        return normal(a) == normal(b);
    };
    if (sameFolder(value, home)) return "";
    return value;
}

std::string HomeFolder(const std::string& home, const char* name) {
    return home.empty() ? "" : (fs::path(home) / name).string();
}

bool CreateFolder(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return IsFolder(folder);
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error || program.empty()) return WithTrailingSlash(fs::current_path(error).string());
    return WithTrailingSlash(program.parent_path().string());
}

std::string DocumentsFolderFrom(const std::string& home, std::string_view userDirsText) {
    const std::string candidates[] = {
        UserDir(home, userDirsText, "XDG_DOCUMENTS_DIR"),
        HomeFolder(home, "Documents"),
        UserDir(home, userDirsText, "XDG_DESKTOP_DIR"),
        HomeFolder(home, "Desktop"),
    };
    for (const std::string& folder : candidates)
        if (IsFolder(folder)) return WithTrailingSlash(folder);
    return "";
}

std::string DesktopDocumentsFolder() {
    const char* homeValue = std::getenv("HOME");
    const std::string home = homeValue ? homeValue : "";
    const char* configValue = std::getenv("XDG_CONFIG_HOME");
    std::string config = configValue && *configValue ? configValue : HomeFolder(home, ".config");
    std::string userDirs;
    if (!config.empty()) {
        std::ifstream in(fs::path(config) / "user-dirs.dirs", std::ios::binary);
        std::ostringstream text;
        if (in) text << in.rdbuf();
        userDirs = text.str();
    }
    return DocumentsFolderFrom(home, userDirs);
}

std::string SystemTemporaryFolder() {
    std::error_code error;
    fs::path folder = fs::temp_directory_path(error);
    if (error || !IsFolder(folder.string())) return "";
    return WithTrailingSlash(folder.string());
}

DataPaths PrepareDataFolders(const std::string& appFolder, const std::string& documentsFolder,
                             const std::string& systemTempFolder) {
    DataPaths paths;
    paths.AppFolder = WithTrailingSlash(appFolder);
    paths.UserDataFolder = paths.AppFolder;
    paths.UserTempFolder = paths.AppFolder;
    if (!documentsFolder.empty()) {
        const std::string data = WithTrailingSlash(documentsFolder) + "MyPavex/";
        const std::string temp = data + "Temp/";
        if (CreateFolder(data)) paths.UserDataFolder = data;
        if (CreateFolder(temp)) paths.UserTempFolder = temp;
    }
    paths.SystemTempFolder =
        systemTempFolder.empty() ? paths.UserDataFolder : WithTrailingSlash(systemTempFolder);
    paths.IniFileName = paths.UserDataFolder + "Vesk.INI";
    paths.TempWorkFile = paths.UserTempFolder + "~tmpwork.VSK";
    paths.TempDescFile = paths.UserTempFolder + "~tmpdesc.tmp";
    return paths;
}

DataPaths DesktopDataPaths() {
    return PrepareDataFolders(ExecutableFolder(), DesktopDocumentsFolder(), SystemTemporaryFolder());
}

int CopyExampleFiles(const DataPaths& paths, const std::string& extension) {
    std::error_code error;
    fs::directory_iterator files(paths.AppFolder, error);
    if (error) return 0;
    std::vector<fs::path> examples;
    for (const fs::directory_entry& entry : files) {
        std::error_code entryError;
        if (!entry.is_regular_file(entryError)) continue;
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        if (entry.path().extension().string() != "." + extension) continue;
        examples.push_back(entry.path());
    }
    int copied = 0;
    for (const fs::path& source : examples) {
        const fs::path target = fs::path(paths.UserDataFolder) / source.filename();
        std::error_code copyError;
        if (fs::exists(target, copyError) || copyError) continue;
        const fs::path partial =
            fs::path(paths.UserDataFolder) / ("." + source.filename().string() + ".copy");
        if (!fs::copy_file(source, partial, fs::copy_options::overwrite_existing, copyError)) {
            fs::remove(partial, copyError);
            continue;
        }
        // A hard link never replaces an existing file; where the file system
        // has no links, rename after a last look.
        bool placed = ::link(partial.c_str(), target.c_str()) == 0;
        if (!placed && !fs::exists(target, copyError)) {
            fs::rename(partial, target, copyError);
            placed = !copyError;
        }
        fs::remove(partial, copyError);
        if (placed) ++copied;
    }
    return copied;
}

}  // namespace vesk
