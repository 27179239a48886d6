#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace vesk {

// The solver library VeskJirn_v9, bound by name at the first call and kept
// loaded for the life of the workspace that owns it. Copies share the one
// loaded library.
class SolverLibrary {
public:
    using EntryPoint = int32_t (*)(const char* inputPath);

    static constexpr const char* FileName = "libVeskJirn_v9.so";
    static constexpr const char* EntryName = "VeskJirn";

    // Looks for the library in `folder` (ending with '/') before the
    // system's library path; by default the folder of the running program.
    SolverLibrary();
    explicit SolverLibrary(std::string folder);

    // Loads the library when it is not loaded yet: first from the folder
    // given at construction, then from the system's library path. Returns false
    // and a description of the failure when neither works.
    bool load(std::string& error);

    // Calls the solver with the path of its input file (loading the library
    // first when needed). Returns false with a description when the library
    // cannot be loaded; otherwise true and the solver's status.
    bool call(const std::string& inputPath, int32_t& status, std::string& error);

    // Uses `entry` instead of the library (tests of the calling side).
    void useEntryPoint(EntryPoint entry);

    bool loaded() const;
    // Where the library was loaded from (empty before the first load).
    std::string loadedFrom() const;

private:
    struct State;
    std::shared_ptr<State> state_;
};

// The folder of the running program, ending with '/' ("" when unknown).
std::string ProgramFolder();

}  // namespace vesk
