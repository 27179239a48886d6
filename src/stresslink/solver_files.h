#pragma once
#include <string>
#include <string_view>

namespace vesk {

struct Workspace;

// Path of one solver file: the folder chosen by the iOptDir option, the
// project file's base name and `extension` (".in2", ".vk1", ...). All files of
// one run share folder and base name. An unknown folder option gives "".
//   0  the program's folder          2  the root of the program's file system
//   1  the system temporary folder   3  the user temporary folder
std::string SolverFilePath(const Workspace& ws, const std::string& extension);

// The base name of the solver files: the project file's name without its
// folder, cut before its first "." unless the name starts with it; "Untitled"
// for a project that has no file yet.
std::string SolverBaseName(const std::string& projectFileName);

// Writes a file the program hands to the solver (replacing it): to a fresh
// file of its own beside the target, never one that already exists (the
// folder may be a shared temporary folder), renamed over the target once
// complete. False when it cannot be written; nothing is left behind then.
bool WriteSolverFile(const std::string& path, std::string_view text);

}  // namespace vesk
