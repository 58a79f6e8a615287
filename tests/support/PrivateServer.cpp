#include "support/PrivateServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace testsupport {
namespace {

namespace fs = std::filesystem;

const char* const kServerProgram = "/usr/sbin/firebird";
const char* const kIsqlProgram = "/usr/bin/isql-fb";
const char* const kSecuritySql = "/usr/share/firebird/3.0/security.sql";
const fs::path kInstalledRoot = "/usr/lib/x86_64-linux-gnu/firebird/3.0";
constexpr auto kStartLimit = std::chrono::seconds(30);

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int freePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    close(fd);
    if (!bound) throw std::runtime_error("no free port on 127.0.0.1");
    return ntohs(address.sin_port);
}

bool listening(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(port);
    const bool connected =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

std::string randomPassword() {
    const std::string letters = "abcdefghijkmnpqrstuvwxyz23456789";
    std::random_device random;
    std::string password;
    for (int i = 0; i < 8; ++i) password += letters[random() % letters.size()];
    return password;
}

// The test process's environment without any Firebird setting, then the private server's.
std::vector<std::string> childEnvironment(const std::string& root) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view text(*entry);
        if (!text.starts_with("FIREBIRD") && !text.starts_with("ISC_")) entries.emplace_back(text);
    }
    entries.push_back("FIREBIRD=" + root);
    entries.push_back("FIREBIRD_LOCK=" + root + "/lock");
    return entries;
}

// Starts program with the private environment, its output appended to logPath.
pid_t spawn(std::vector<std::string> arguments, const std::string& root,
            const std::string& logPath) {
    std::vector<std::string> environment = childEnvironment(root);
    auto pointers = [](std::vector<std::string>& strings) {
        std::vector<char*> result;
        for (std::string& s : strings) result.push_back(s.data());
        result.push_back(nullptr);
        return result;
    };
    std::vector<char*> argv = pointers(arguments);
    std::vector<char*> envp = pointers(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error(std::string("cannot start ") + argv[0]);
    return pid;
}

int waitForExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

PrivateServer::PrivateServer() : port_(freePort()), password_(randomPassword()) {
    fs::create_directory(dir_.file("lock"));
    fs::create_directory(dir_.file("intl"));
    // The character sets are found only through a real folder holding real copies.
    for (const char* name : {"libfbintl.so", "fbintl.conf"})
        fs::copy_file(kInstalledRoot / "intl" / name, dir_.file("intl") + "/" + name);
    fs::create_directory_symlink(kInstalledRoot / "plugins", dir_.file("plugins"));
    fs::create_symlink(kInstalledRoot / "firebird.msg", dir_.file("firebird.msg"));
    writeConfiguration();
    createSecurityDatabase();
}

PrivateServer::~PrivateServer() { stop(); }

void PrivateServer::writeConfiguration() const {
    writeFile(dir_.file("firebird.conf"),
              "RemoteServicePort = " + std::to_string(port_) +
                  "\nRemoteBindAddress = 127.0.0.1\nSecurityDatabase = " +
                  dir_.file("security3.fdb") + "\n");
}

void PrivateServer::createSecurityDatabase() const {
    writeFile(dir_.file("security.sql"),
              "CREATE DATABASE '" + dir_.file("security3.fdb") + "';\nINPUT '" + kSecuritySql +
                  "';\nCREATE OR ALTER USER SYSDBA PASSWORD '" + password_ + "';\nCOMMIT;\n");
    const pid_t pid =
        spawn({kIsqlProgram, "-q", "-b", "-user", "SYSDBA", "-i", dir_.file("security.sql")},
              dir_.path(), dir_.file("server.out"));
    const int status = waitForExit(pid);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("cannot create the security database:\n" + log());
}

void PrivateServer::start() {
    if (pid_ > 0) return;
    pid_ = spawn({kServerProgram}, dir_.path(), dir_.file("server.out"));
    try {
        awaitListening();
    } catch (...) {
        stop();
        throw;
    }
}

void PrivateServer::awaitListening() const {
    const auto limit = std::chrono::steady_clock::now() + kStartLimit;
    while (!listening(port_)) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_)
            throw std::runtime_error("the private server ended at start:\n" + log());
        if (std::chrono::steady_clock::now() > limit)
            throw std::runtime_error("the private server does not listen:\n" + log());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void PrivateServer::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitForExit(pid_);
    pid_ = -1;
}

std::string PrivateServer::log() const {
    // The server's own log goes where the package put it, shared with every other server.
    return readFile(dir_.file("server.out")) + "(more in /var/log/firebird)";
}

std::string PrivateServer::createDatabase() {
    const std::string database = "127.0.0.1/" + std::to_string(port_) + ":" +
                                 dir_.file("bills" + std::to_string(++databases_) + ".fdb");
    createEmptyDatabase(database, password_);
    Session session(database, password_);
    session.execute("CREATE TABLE sal_master (masterbillid VARCHAR(30), chg_user VARCHAR(30))");
    session.execute(
        "CREATE TABLE sal_temp (masterbillid VARCHAR(30), tran_check CHAR(1), state VARCHAR(10))");
    session.execute("CREATE INDEX sal_temp_bill ON sal_temp (masterbillid)");
    return database;
}

}  // namespace testsupport
