// bench_fetch_loop: the contender written straight against the client library.
//   select DATABASE SQL_FILE         attach, prepare, fetch every row, detach; times all of it
//   update DATABASE STATEMENTS_FILE  each statement (NUL-separated) in a committed transaction
//                                    of its own, on one attachment; times the statements
// Prints "seconds S" and the count of rows or statements.

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "BenchFiles.h"
#include "FbClient.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void fetchEveryRow(const std::string& database, const std::string& sql) {
    const Clock::time_point start = Clock::now();
    bench::FbClient client(database);
    std::size_t rows = 0;
    client.fetchEach(sql, [&rows](const XSQLVAR&) { ++rows; });
    client.detach();
    std::printf("seconds %.6f\nrows %zu\n", secondsSince(start), rows);
}

void sendEach(const std::string& database, const std::vector<std::string>& statements) {
    bench::FbClient client(database);
    const Clock::time_point start = Clock::now();
    for (const std::string& statement : statements) client.executeCommitted(statement);
    const double seconds = secondsSince(start);
    client.detach();
    std::printf("seconds %.6f\nstatements %zu\n", seconds, statements.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s select|update DATABASE FILE\n", argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    try {
        if (mode == "select") {
            fetchEveryRow(argv[2], bench::readFile(argv[3]));
        } else {
            sendEach(argv[2], bench::readStatements(argv[3]));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_fetch_loop: %s\n", error.what());
        return 1;
    }
    return 0;
}
