#pragma once
#include <filesystem>
#include <string>

namespace vesk::test {

// A fresh folder under the system temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Switches the C locale (LC_ALL) to a comma-decimal locale for the lifetime of
// the object, when one is installed; available() says whether it is.
class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    bool available() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

std::string ReadTextFile(const std::string& path);
void WriteTextFile(const std::string& path, const std::string& text);

std::filesystem::path SourceDir();   // the repository
std::filesystem::path ExamplesDir(); // examples/
std::filesystem::path BinaryDir();   // build/bin (programs, solver library)

}  // namespace vesk::test
