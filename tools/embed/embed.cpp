// Turns asset files into a C++ source file of constant byte arrays, so that the
// game carries its images inside the executable and needs no data files for them.
//
// Usage: embed NAMESPACE OUTPUT.cpp FILE...
// Each FILE "dir/guy.png" becomes NAMESPACE::guy_png[] with NAMESPACE::guy_png_len,
// and NAMESPACE::kFiles[] lists them all in the order given (kFileCount long),
// for a group that is looked up by number, such as the font's glyphs.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string symbolFor(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

bool readFile(const std::string& path, std::vector<unsigned char>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

void writeArray(std::ostream& out, const std::string& symbol,
                const std::vector<unsigned char>& bytes) {
    constexpr int kBytesPerLine = 16;
    out << "extern const unsigned char " << symbol << "[];\n";
    out << "const unsigned char " << symbol << "[] = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
        out << (i % kBytesPerLine == 0 ? "\n    " : " ") << static_cast<int>(bytes[i]) << ",";
    }
    if (bytes.empty()) {
        out << "0";  // a zero-length array is not valid C++; the length below stays 0
    }
    out << "\n};\n";
    out << "extern const unsigned int " << symbol << "_len;\n";
    out << "const unsigned int " << symbol << "_len = " << bytes.size() << "u;\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s NAMESPACE OUTPUT.cpp FILE...\n", argv[0]);
        return 2;
    }
    const std::string nameSpace = argv[1];
    std::ostringstream out;
    out << "// Generated from the asset files by the embed tool; do not edit.\n";
    out << "#include \"graphics/EmbeddedFile.h\"\n\n";
    out << "namespace " << nameSpace << " {\n\n";
    std::ostringstream table;
    for (int i = 3; i < argc; ++i) {
        std::vector<unsigned char> bytes;
        if (!readFile(argv[i], bytes)) {
            std::fprintf(stderr, "embed: cannot read %s\n", argv[i]);
            return 1;
        }
        const std::string symbol = symbolFor(argv[i]);
        writeArray(out, symbol, bytes);
        table << "    {" << symbol << ", &" << symbol << "_len},\n";
    }
    out << "extern const EmbeddedFile kFiles[];\n";
    out << "const EmbeddedFile kFiles[] = {\n" << table.str() << "};\n";
    out << "extern const int kFileCount;\n";
    out << "const int kFileCount = " << argc - 3 << ";\n\n";
    out << "}  // namespace " << nameSpace << "\n";
    std::ofstream file(argv[2], std::ios::binary);
    file << out.str();
    return file.good() ? 0 : 1;
}
