// libFuzzer target for the solver's input reader, and for whole runs of small
// models: any byte sequence as an input file must end in a status, without a
// crash, an out-of-bounds access or a hang. See README.md for how to build it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "input_reader.h"
#include "model_echo.h"
#include "run_model.h"
#include "solve_model.h"

namespace {

// One scratch folder per fuzzing process.
const std::string& ScratchFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/veskjirn-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (made == nullptr) std::abort();
        return std::string(made);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = ScratchFolder() + "/model.in2";
    std::FILE* file = std::fopen(input.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    veskjirn::CVeskJirn2DDoc doc;  // logs left closed: their lines go nowhere
    veskjirn::SetFileNames(doc, input);
    if (veskjirn::ReadInput(doc) != 0) return 0;
    veskjirn::EchoInput(doc);
    // Whole solutions only for small grids, so that each input stays quick.
    if (doc.ElementCount <= 48) veskjirn::SolveModel(doc);
    return 0;
}
