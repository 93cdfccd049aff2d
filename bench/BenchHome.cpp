#include "bench/BenchHome.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <vector>

BenchHome::BenchHome() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string pattern =
        std::string(tmp != nullptr && tmp[0] != '\0' ? tmp : "/tmp") + "/truceward-bench-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        std::cerr << "No temporary home in " << pattern << std::endl;
        std::exit(1);
    }
    path = buffer.data();
    setenv("HOME", path.c_str(), 1);
}

BenchHome::~BenchHome() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}
