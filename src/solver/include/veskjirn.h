#ifndef VESKJIRN_H
#define VESKJIRN_H
/* The laminated two-seam stress solver. One call is one complete run: it reads
 * the input file (".in2"), writes the logs ".out" and ".err" beside it and,
 * after a successful run, the result files ".dat", ".vk1" and ".vk2".
 * Returns 0 on success, otherwise a status code (see the README). */
#include <stdint.h>

#if defined(VESKJIRN_BUILDING)
#define VESKJIRN_API __attribute__((visibility("default")))
#else
#define VESKJIRN_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

VESKJIRN_API int32_t VeskJirn(const char* inputPath);

#ifdef __cplusplus
}
#endif

#endif
