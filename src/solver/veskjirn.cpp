#include "veskjirn.h"

#include "run_model.h"

extern "C" int32_t VeskJirn(const char* inputPath) {
    return veskjirn::RunModel(inputPath);
}
