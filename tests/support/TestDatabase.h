#pragma once
// Real-server test databases: a fresh database file on the Firebird server at 127.0.0.1:3050,
// made for one test and dropped after it, and a second connection of the test's own to set up
// and read back rows. The SYSDBA password is read from where the server package put it.

#include <string>

#include "support/Session.h"

namespace testsupport {

// The folder of the built program (build/bin), and the project's source folder.
std::string binDir();
std::string sourceDir();

// The SYSDBA password of the local server (/etc/firebird/3.0/SYSDBA.password).
std::string sysdbaPassword();

// A temporary directory, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }  // no trailing '/'
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes);

class TestDatabase {
public:
    // Creates the database over 127.0.0.1 (remote) or, with embedded, as a local file opened
    // in-process.
    explicit TestDatabase(bool embedded = false);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // The value for a connection entry's Database key, e.g. "127.0.0.1:/tmp/x/test.fdb".
    const std::string& database() const { return database_; }
    const std::string& filePath() const { return filePath_; }

    // Runs one statement in a transaction of its own, committed; throws std::runtime_error with
    // the server's message.
    void execute(const std::string& sql);
    Rows query(const std::string& sql);

    // The bill tables, empty.
    void createBillTables();

private:
    TempDir dir_;
    std::string filePath_;
    std::string database_;
};

}  // namespace testsupport
