#include "support/test_support.h"

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vesk::test {

TempDir::TempDir() {
    std::random_device rd;
    std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = base / ("vesk-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

CommaLocale::CommaLocale() {
    const char* current = std::setlocale(LC_ALL, nullptr);
    previous_ = current ? current : "C";
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"}) {
        if (std::setlocale(LC_ALL, name)) {
            active_ = true;
            return;
        }
    }
}

CommaLocale::~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::filesystem::path SourceDir() { return VESK_SOURCE_DIR; }
std::filesystem::path ExamplesDir() { return SourceDir() / "examples"; }
std::filesystem::path BinaryDir() { return std::filesystem::path(VESK_BINARY_DIR) / "bin"; }

}  // namespace vesk::test
