#pragma once
// A session of the test's own on any Firebird server, as SYSDBA: rows to set up and read back,
// and a transaction it may hold open (row locks) while the program runs. The client library's
// header stays out of here.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

using Value = std::optional<std::string>;
using Rows = std::vector<std::vector<Value>>;

// One attachment as SYSDBA. Throws std::runtime_error with the server's message.
class Session {
public:
    Session(const std::string& database, const std::string& password);
    ~Session();  // rolls back what is still open, then detaches
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs sql in a transaction of its own, committed.
    void execute(const std::string& sql);
    // Every row of sql, in a transaction of its own; text columns only.
    Rows query(const std::string& sql);

    // A transaction kept open between calls, e.g. to hold row locks.
    void begin();
    void run(const std::string& sql);  // inside the transaction begun
    void commit();
    void rollback();

    struct Handles;  // the client library's handles, kept out of this header

private:
    std::unique_ptr<Handles> handles_;
};

// Throws std::runtime_error with the server's message.
void createEmptyDatabase(const std::string& database, const std::string& password);
// Best effort, for clean-up: a database that cannot be dropped is left behind.
void dropDatabase(const std::string& database, const std::string& password) noexcept;

}  // namespace testsupport
