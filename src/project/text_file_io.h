#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "project/project_file_format.h"

namespace vesk {

// Reads a whole file as bytes. Files above `maxBytes` are refused (a project
// or settings file is a few kilobytes; a huge file is not one of ours).
bool ReadWholeFile(const std::string& path, std::string& text, FileError& error,
                   std::size_t maxBytes = 16u << 20);

// Writes `text` to a temporary file in the target's folder and renames it over
// the target, so that an interrupted write never destroys the previous file.
bool WriteFileReplacing(const std::string& path, std::string_view text, FileError& error);

}  // namespace vesk
