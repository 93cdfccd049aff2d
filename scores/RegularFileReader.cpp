#include "scores/RegularFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

RegularFileReader::RegularFileReader(const std::string& path) {
    // Non-blocking, so that opening a FIFO returns at once and can be refused.
    descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        // A folder missing on the way (or a file where a folder should be)
        // means the file is missing too.
        state = errno == ENOENT || errno == ENOTDIR ? Missing : Failed;
        return;
    }
    struct stat info;
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        descriptor = -1;
        state = Failed;
    }
}

RegularFileReader::~RegularFileReader() {
    if (descriptor >= 0) {
        ::close(descriptor);
    }
}

RegularFileReader::int_type RegularFileReader::underflow() {
    if (descriptor < 0) {
        return traits_type::eof();
    }
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count > 0) {
            setg(buffer, buffer, buffer + count);
            return traits_type::to_int_type(buffer[0]);
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            state = Failed;
        }
        ::close(descriptor);
        descriptor = -1;
        return traits_type::eof();
    }
}
