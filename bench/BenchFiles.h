#pragma once
// Files the benchmark programs hand each other: statement texts as exact bytes, several of
// them separated by NUL (a text may hold line breaks of its own).

#include <string>
#include <vector>

namespace bench {

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

std::vector<std::string> readStatements(const std::string& path);
void writeStatements(const std::string& path, const std::vector<std::string>& statements);

}  // namespace bench
