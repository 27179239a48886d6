#include "stresslink/solver_library.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <utility>

namespace vesk {

struct SolverLibrary::State {
    std::string folder;
    void* handle = nullptr;
    EntryPoint entry = nullptr;
    std::string from;

    ~State() {
        if (handle != nullptr) dlclose(handle);
    }
};

SolverLibrary::SolverLibrary() : SolverLibrary(ProgramFolder()) {}

SolverLibrary::SolverLibrary(std::string folder) : state_(std::make_shared<State>()) {
    state_->folder = std::move(folder);
}

std::string ProgramFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || exe.empty()) return "";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool SolverLibrary::load(std::string& error) {
    if (state_->entry != nullptr) return true;
    std::string details;
    const std::string beside = state_->folder + FileName;
    for (const std::string& candidate : {beside, std::string(FileName)}) {
        void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* why = dlerror();
            if (!details.empty()) details += "; ";
            details += why != nullptr ? why : candidate;
            continue;
        }
        dlerror();
        void* symbol = dlsym(handle, EntryName);
        if (symbol == nullptr) {
            const char* why = dlerror();
            if (!details.empty()) details += "; ";
            details += why != nullptr ? why : std::string(EntryName) + " not found in " + candidate;
            dlclose(handle);
            continue;
        }
        state_->handle = handle;
        state_->entry = reinterpret_cast<EntryPoint>(symbol);
        state_->from = candidate;
        return true;
    }
    error = details;
    return false;
}

bool SolverLibrary::call(const std::string& inputPath, int32_t& status, std::string& error) {
    if (!load(error)) return false;
    status = state_->entry(inputPath.c_str());
    return true;
}

void SolverLibrary::useEntryPoint(EntryPoint entry) {
    std::string folder = state_->folder;
    state_ = std::make_shared<State>();
    state_->folder = folder;
    state_->entry = entry;
    state_->from = "(built in)";
}

bool SolverLibrary::loaded() const {
    return state_->entry != nullptr;
}

std::string SolverLibrary::loadedFrom() const {
    return state_->from;
}

}  // namespace vesk
