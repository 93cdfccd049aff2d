#include "scores/RegularFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

RegularFileReader::RegularFileReader(const std::string& path, std::uint64_t maxBytes)
    : bytesLeft(maxBytes) {
    // Non-blocking, so that opening a FIFO returns at once and can be refused.
    descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        // A folder missing on the way (or a file where a folder should be)
        // means the file is missing too.
        state = errno == ENOENT || errno == ENOTDIR ? Missing : Failed;
        return;
    }
    struct stat info;
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > maxBytes) {
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
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count > 0 && static_cast<std::uint64_t>(count) <= bytesLeft) {
            bytesLeft -= static_cast<std::uint64_t>(count);
            setg(buffer, buffer, buffer + count);
            return traits_type::to_int_type(buffer[0]);
        }
        // The end; else a read that failed, or a file grown past the bound
        // since it was opened.
        if (count != 0) {
            state = Failed;
        }
        ::close(descriptor);
        descriptor = -1;
        return traits_type::eof();
    }
}
