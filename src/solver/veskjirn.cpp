#include "veskjirn.h"

extern "C" int32_t VeskJirn(const char* inputPath) {
    (void)inputPath;
    return 1;
}
