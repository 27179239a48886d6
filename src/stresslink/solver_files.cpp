#include "stresslink/solver_files.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "project/workspace.h"

namespace vesk {

namespace {

// The root of the file system that holds the program's folder.
std::string ProgramRoot(const std::string& appFolder) {
    if (!appFolder.empty() && appFolder[0] == '/') return "/";
    // A drive-letter folder ("C:/..."): its first two characters and a separator.
    if (appFolder.size() >= 2 && appFolder[1] == ':') return appFolder.substr(0, 2) + "/";
    return "/";
}

}  // namespace

std::string SolverBaseName(const std::string& projectFileName) {
    std::string name = projectFileName;
    size_t slash = name.find_last_of('/');
    if (slash != std::string::npos) name.erase(0, slash + 1);
    if (name.empty()) return "Untitled";
    size_t dot = name.find('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

std::string SolverFilePath(const Workspace& ws, const std::string& extension) {
    std::string folder;
    switch (ws.Options.iOptDir) {
        case 0: folder = ws.Paths.AppFolder; break;
        case 1: folder = ws.Paths.SystemTempFolder; break;
        case 2: folder = ProgramRoot(ws.Paths.AppFolder); break;
        case 3: folder = ws.Paths.UserTempFolder; break;
        default: return "";
    }
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + SolverBaseName(ws.Header.ProjectFileName) + extension;
}

bool WriteSolverFile(const std::string& path, std::string_view text) {
    if (path.empty()) return false;
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    bool written = true;
    for (size_t done = 0; written && done < text.size();) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (!(n < 0 && errno == EINTR))
            written = false;
    }
    if (close(fd) != 0) written = false;
    std::error_code error;
    if (written) std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace vesk
