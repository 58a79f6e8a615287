#pragma once
// A Firebird server of the test's own, on a free port of 127.0.0.1, with its own configuration,
// security database and SYSDBA password in a temporary folder, so that a test may kill it and
// start it again. Only the server process sees that configuration: the test process keeps the
// client library's defaults for every other connection.
//
// Also a session of the test's own on any server: rows to set up and read back, and a
// transaction it may hold open (row locks) while the program runs.

#include <sys/types.h>

#include <memory>
#include <string>

#include "support/TestDatabase.h"

namespace testsupport {

class PrivateServer {
public:
    // Prepares the folder and the security database; the server is not started yet.
    PrivateServer();
    ~PrivateServer();
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    // Returns once the server listens, on the same port each time.
    void start();
    // Kills the server, as a crash or a power cut would, and returns once it has ended.
    void stop();

    int port() const { return port_; }
    const std::string& password() const { return password_; }

    // A fresh database holding the empty bill tables; the value for a connection entry's
    // Database key, "127.0.0.1/<port>:<path>". The server must be running.
    std::string createDatabase();

private:
    void writeConfiguration() const;
    void createSecurityDatabase() const;
    void awaitListening() const;
    std::string log() const;

    TempDir dir_;
    int port_;
    std::string password_;
    pid_t pid_ = -1;
    int databases_ = 0;
};

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

}  // namespace testsupport
