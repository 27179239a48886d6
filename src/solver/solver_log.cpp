#include "solver_log.h"

namespace veskjirn {

bool SolverLog::Create(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) return false;
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

void SolverLog::Write(std::string_view text) {
    if (file_ == nullptr || text.empty()) return;
    std::fwrite(text.data(), 1, text.size(), file_);
}

void SolverLog::Close() {
    if (file_ == nullptr) return;
    std::fflush(file_);
    std::fclose(file_);
    file_ = nullptr;
}

}  // namespace veskjirn
