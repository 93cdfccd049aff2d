// Preloaded into the game (LD_PRELOAD) to make reading one file fail part way,
// as a failing disk does: once FAIL_READ_AFTER bytes of a file whose path ends
// in FAIL_READ_SUFFIX have been read, every further read of it fails with EIO.
// With FAIL_FLOCK set, every flock fails as on NFS without a lock daemon.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMaxDescriptors = 1024;
// Bytes read so far from each watched descriptor; -1 for one not watched.
long readSoFar[kMaxDescriptors];
bool initialised = false;

void initialise() {
    if (!initialised) {
        for (long& count : readSoFar) {
            count = -1;
        }
        initialised = true;
    }
}

bool watched(const char* path) {
    const char* suffix = std::getenv("FAIL_READ_SUFFIX");
    if (suffix == nullptr || path == nullptr) {
        return false;
    }
    const std::size_t pathLength = std::strlen(path);
    const std::size_t suffixLength = std::strlen(suffix);
    return pathLength >= suffixLength && std::strcmp(path + pathLength - suffixLength, suffix) == 0;
}

int remember(int descriptor, const char* path) {
    initialise();
    if (descriptor >= 0 && descriptor < kMaxDescriptors) {
        readSoFar[descriptor] = watched(path) ? 0 : -1;
    }
    return descriptor;
}

template <typename Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

mode_t modeOf(int flags, va_list arguments) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

}  // namespace

extern "C" int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    static auto real = next<int (*)(const char*, int, ...)>("open");
    return remember(real(path, flags, mode), path);
}

extern "C" int open64(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    static auto real = next<int (*)(const char*, int, ...)>("open64");
    return remember(real(path, flags, mode), path);
}

extern "C" ssize_t read(int descriptor, void* buffer, size_t count) {
    static auto real = next<ssize_t (*)(int, void*, size_t)>("read");
    initialise();
    if (descriptor < 0 || descriptor >= kMaxDescriptors || readSoFar[descriptor] < 0) {
        return real(descriptor, buffer, count);
    }
    const long limit = std::atol(std::getenv("FAIL_READ_AFTER"));
    if (readSoFar[descriptor] >= limit) {
        errno = EIO;
        return -1;
    }
    const size_t allowed = static_cast<size_t>(limit - readSoFar[descriptor]);
    const ssize_t got = real(descriptor, buffer, count < allowed ? count : allowed);
    if (got > 0) {
        readSoFar[descriptor] += got;
    }
    return got;
}

extern "C" int close(int descriptor) {
    static auto real = next<int (*)(int)>("close");
    initialise();
    if (descriptor >= 0 && descriptor < kMaxDescriptors) {
        readSoFar[descriptor] = -1;
    }
    return real(descriptor);
}

extern "C" int flock(int descriptor, int operation) {
    static auto real = next<int (*)(int, int)>("flock");
    if (std::getenv("FAIL_FLOCK") != nullptr) {
        errno = ENOLCK;
        return -1;
    }
    return real(descriptor, operation);
}
