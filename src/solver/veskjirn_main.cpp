// veskjirn FILE.in2 — runs the stress solver on an input file written by hand
// or kept from the program, and says what came of it.
#include <cstdio>
#include <cstring>

#include "veskjirn.h"

namespace {

const char* StatusMessage(int32_t status) {
    switch (status) {
        case 0: return "Run complete: results written to the .dat, .vk1 and .vk2 files";
        case 1: return "ReadInput-> Could not open the VeskJirn2D input file";
        case 2: return "ReadInput-> Could not accurately read the VeskJirn2D input file";
        case 3: return "ReadInput-> Unable to allocate memory for grid matrices";
        case 4: return "ReadInput-> Could not read Seam 1 material character codes";
        case 5: return "ReadInput-> Could not read Seam 2 material character codes";
        case 11: return "SOR-> Material Code Out of Range in Element Stress Routine";
        case 12: return "SOR-> Maximum Number of Iterations Reached";
        case 21: return "Strain_Safety_Factor-> Material Code Out of Range in Safety Factor Routine";
        case 31:
            return "Pillar_Average_Modulus-> Material Code Out of Range in Pillar Average Modulus Routine";
        case 41: return "Could not write the result or log files";
        default: return "Unknown status";
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fprintf(stderr,
                     "usage: veskjirn FILE.in2\n"
                     "Runs the two-seam stress solver on FILE.in2 and writes FILE.out and FILE.err,\n"
                     "and after a successful run FILE.dat, FILE.vk1 and FILE.vk2, beside it.\n");
        return 2;
    }
    const int32_t status = VeskJirn(argv[1]);
    if (status == 0) {
        std::printf("status 0: %s\n", StatusMessage(status));
        return 0;
    }
    std::printf("status %d: Error in Solution Module: %s\n", static_cast<int>(status), StatusMessage(status));
    return 1;
}
