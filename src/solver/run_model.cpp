#include "run_model.h"

#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

#include "input_reader.h"
#include "model_echo.h"
#include "solve_model.h"

namespace veskjirn {

namespace {

// Written to the current folder when there is no folder of the input to write to.
constexpr const char* kFallbackErrorFile = "VeskJirn2D.err";

void WriteFallbackError(const char* message) {
    std::FILE* file = std::fopen(kFallbackErrorFile, "wb");
    if (file == nullptr) return;
    std::fputs(message, file);
    std::fputs("\n", file);
    std::fclose(file);
}

// The input must be a regular file that can be opened for reading: a folder or
// a device would leave the reader nothing sensible to read (or block it).
bool InputOpens(const char* path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), ec)) return false;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

int32_t RunOpenedModel(CVeskJirn2DDoc& doc) {
    int32_t status = ReadInput(doc);
    if (status != kStatusOk) return status;
    EchoInput(doc);
    return SolveModel(doc);
}

}  // namespace

void SetFileNames(CVeskJirn2DDoc& doc, const std::string& path) {
    doc.InputPath = path;
    const std::size_t slash = path.find_last_of('/');
    doc.InputName = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t titleDot = doc.InputName.find_last_of('.');
    doc.InputTitle = titleDot == std::string::npos ? doc.InputName : doc.InputName.substr(0, titleDot);
    const std::size_t dot = path.find_last_of('.');
    doc.BasePath = dot == std::string::npos || dot == 0 ? std::string() : path.substr(0, dot);
    doc.OutPath = doc.BasePath + ".out";
    doc.ErrPath = doc.BasePath + ".err";
    doc.DatPath = doc.BasePath + ".dat";
    doc.Vk1Path = doc.BasePath + ".vk1";
    doc.Vk2Path = doc.BasePath + ".vk2";
}

int32_t RunModel(const char* path, const RunOptions& options) {
    if (path == nullptr || path[0] == '\0' || !InputOpens(path)) {
        WriteFallbackError("Could not open the VeskJirn2D input file - SR1");
        return kStatusCannotOpenInput;
    }
    try {
        CVeskJirn2DDoc doc;
        doc.Options = options;
        SetFileNames(doc, path);
        if (!doc.OutLog.Create(doc.OutPath) || !doc.ErrLog.Create(doc.ErrPath)) {
            doc.OutLog.Close();
            doc.ErrLog.Close();
            WriteFallbackError("Could not create the VeskJirn2D log files - SR2");
            return kStatusCannotWriteFiles;
        }
        int32_t status;
        try {
            status = RunOpenedModel(doc);
        } catch (const std::bad_alloc&) {
            FreeGrids(doc);
            doc.ErrLog.Write("Unable to allocate memory for grid matrices\n");
            status = kStatusNoGridMemory;
        }
        doc.OutLog.Close();
        doc.ErrLog.Close();
        return status;
    } catch (const std::bad_alloc&) {
        // Not even the run record could be made.
        WriteFallbackError("Unable to allocate memory for grid matrices");
        return kStatusNoGridMemory;
    }
}

}  // namespace veskjirn
