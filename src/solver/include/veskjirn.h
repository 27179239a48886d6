#ifndef VESKJIRN_H
#define VESKJIRN_H
/* The laminated two-seam stress solver.
 *
 * VeskJirn(path) makes one complete, self-contained run: it reads the input
 * file at `path` (".in2": a control line of eleven values and two lines of
 * material character codes), writes the progress log ".out" and the error log
 * ".err" beside it on every call and, after a successful run, the result files
 * ".dat", ".vk1" and ".vk2". The output files are named by the path cut before
 * its last "."; a path without a "." (or with its only "." first) gives the
 * bare names ".out", ".err", ... in the current folder. Nothing is kept
 * between calls; two runs on different paths may run at once on different
 * threads. The process locale is never consulted or changed: every number is
 * read and written with "." as the decimal separator.
 *
 * Returned status (each failure also leaves a message line in the .err file,
 * or in "VeskJirn2D.err" in the current folder when there is no .err file):
 *    0  run complete, all result files written
 *    1  the input file cannot be opened (or is not a regular file)
 *    2  the control line does not hold eleven readable values, or holds values
 *       the model cannot use: a non-finite number, an element width or seam
 *       thickness not above 0, an extraction ratio outside 0 <= ER < 1, both
 *       seams at the same depth, a critical seam other than 1 or 2, a critical
 *       element outside 1..n (a second line in the .err file says which)
 *    3  the grids cannot be allocated, or the element count exceeds 32767
 *    4  seam 1 codes unreadable: missing or blank line, or a token whose
 *       length is not the element count; also an element count below 1 (what
 *       the program writes after a grid generation error)
 *    5  seam 2 codes unreadable, as for status 4
 *   11  a material code without a material law met during the solution
 *       (characters T-Z, 0 and 2-9, and any other character whose material
 *       number has no law)
 *   12  a seam solution reached 20000 sweeps, or its closures overflowed
 *       (the solution diverged), or the seams still exchanged large changes
 *       after 1000 coupled passes
 *   21  an element without a coal law in the safety factor routine
 *   31  an element without a coal law in the pillar modulus routine
 *   41  a log or result file could not be created or completely written (the
 *       result files of an earlier run with the same name may then still be
 *       present and must not be read)
 */
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
