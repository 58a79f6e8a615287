#pragma once
// A Firebird server of the test's own, on a free port of 127.0.0.1, with its own configuration,
// security database and SYSDBA password in a temporary folder, so that a test may kill it and
// start it again. Only the server process sees that configuration: the test process keeps the
// client library's defaults for every other connection.
//
// Session (support/Session.h) is the test's own attachment to it.

#include <sys/types.h>

#include <string>

#include "support/Session.h"
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

}  // namespace testsupport
