#pragma once
// A log of one run (.out or .err): created fresh, unbuffered, so that every
// line reaches the disk at once and a long run can be followed while it works.
#include <cstdio>
#include <string>
#include <string_view>

namespace veskjirn {

class SolverLog {
public:
    SolverLog() = default;
    ~SolverLog() { Close(); }
    SolverLog(const SolverLog&) = delete;
    SolverLog& operator=(const SolverLog&) = delete;

    // Creates (truncating) the file; false when it cannot be created.
    bool Create(const std::string& path);
    void Write(std::string_view text);
    void Close();
    bool isOpen() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
};

}  // namespace veskjirn
