// Linked into the programs of the AddressSanitizer build only. Mesa unloads
// its software renderer when the window goes, before the leak check runs at
// exit, so the renderer's own leftovers would be reported without a library
// name to suppress them by. Holding the renderer loaded keeps them named.
#include <dlfcn.h>
#include <glob.h>

namespace {

const char* const kDriverPatterns[] = {"/usr/lib/*/dri/swrast_dri.so",
                                       "/usr/lib/dri/swrast_dri.so"};

struct KeepGlDriver {
    KeepGlDriver() {
        for (const char* pattern : kDriverPatterns) {
            glob_t found{};
            if (glob(pattern, 0, nullptr, &found) == 0) {
                for (size_t i = 0; i < found.gl_pathc; ++i) {
                    dlopen(found.gl_pathv[i], RTLD_NOW | RTLD_NODELETE);
                }
            }
            globfree(&found);
        }
    }
} keepGlDriver;

}  // namespace
