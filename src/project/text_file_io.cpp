#include "project/text_file_io.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vesk {

namespace {

FileError ErrorFromErrno(int err, int fallbackNumber, const char* fallbackText) {
    switch (err) {
        case ENOENT: return {ErrFileNotFound, "File not found", 0};
        case EACCES:
        case EPERM:
        case EROFS: return {ErrPermissionDenied, "Permission denied", 0};
        case ENOSPC: return {ErrDiskFull, "Disk full", 0};
        case EIO: return {ErrDeviceIO, "Device I/O error", 0};
        case EISDIR:
        case ENOTDIR: return {ErrPathFileAccess, "Path/File access error", 0};
        default: return {fallbackNumber, fallbackText, 0};
    }
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& text, FileError& error, std::size_t maxBytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        error = {ErrFileNotFound, "File not found", 0};
        return false;
    }
    if (fs::is_directory(status)) {
        error = {ErrPathFileAccess, "Path/File access error", 0};
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = ErrorFromErrno(errno, ErrPathFileAccess, "Path/File access error");
        return false;
    }
    text.clear();
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > maxBytes) {
            error = {ErrPathFileAccess, "File too large", 0};
            return false;
        }
    }
    if (in.bad()) {
        error = {ErrDeviceIO, "Device I/O error", 0};
        return false;
    }
    return true;
}

bool WriteFileReplacing(const std::string& path, std::string_view text, FileError& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = {ErrPathFileAccess, "Path/File access error", 0};
        return false;
    }
    const std::string temporary = path + ".~sav";
    errno = 0;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = errno == ENOENT ? FileError{ErrPathNotFound, "Path not found", 0}
                                    : ErrorFromErrno(errno, ErrPathFileAccess, "Path/File access error");
            return false;
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            error = ErrorFromErrno(errno, ErrDiskFull, "Disk full");
            out.close();
            fs::remove(temporary, ec);
            return false;
        }
        out.close();
        if (!out) {
            error = ErrorFromErrno(errno, ErrDiskFull, "Disk full");
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        error = ErrorFromErrno(ec.value(), ErrPathFileAccess, "Path/File access error");
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace vesk
