#include <cstdio>

#include "veskjirn.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: veskjirn FILE.in2\n");
        return 2;
    }
    int32_t status = VeskJirn(argv[1]);
    std::printf("status %d\n", static_cast<int>(status));
    return status == 0 ? 0 : 1;
}
