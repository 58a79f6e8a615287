#include "BenchFiles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace bench {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::vector<std::string> readStatements(const std::string& path) {
    const std::string bytes = readFile(path);
    std::vector<std::string> statements;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find('\0', start);
        statements.push_back(bytes.substr(start, end - start));
        start = end == std::string::npos ? bytes.size() : end + 1;
    }
    return statements;
}

void writeStatements(const std::string& path, const std::vector<std::string>& statements) {
    std::string bytes;
    for (const std::string& statement : statements) bytes += statement + '\0';
    writeFile(path, bytes);
}

}  // namespace bench
