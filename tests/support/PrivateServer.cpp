#include "support/PrivateServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ibase.h>
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

std::string statusText(const ISC_STATUS* status) {
    std::string text;
    char line[1024];
    const ISC_STATUS* cursor = status;
    while (fb_interpret(line, sizeof line, &cursor) > 0) {
        if (!text.empty()) text += "\n";
        text += line;
    }
    return text;
}

void check(const ISC_STATUS* status, const std::string& what) {
    if (status[0] == 1 && status[1] != 0)
        throw std::runtime_error(what + ": " + statusText(status));
}

void createEmptyDatabase(const std::string& database, const std::string& password) {
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    const std::string create = "CREATE DATABASE '" + database + "' USER 'SYSDBA' PASSWORD '" +
                               password + "' PAGE_SIZE 8192";
    isc_dsql_execute_immediate(status, &db, &tr, 0, create.c_str(), SQL_DIALECT_V6, nullptr);
    check(status, "create database " + database);
    isc_detach_database(status, &db);
    check(status, "detach after create");
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

struct Session::Handles {
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;

    void check(const std::string& what) const { testsupport::check(status, what); }
    void rollbackQuietly() {
        ISC_STATUS_ARRAY ignored;
        if (tr) isc_rollback_transaction(ignored, &tr);
    }
};

namespace {

// A prepared statement whose handle is freed however the caller leaves.
class Statement {
public:
    Statement(Session::Handles& handles, const std::string& sql);
    ~Statement() {
        ISC_STATUS_ARRAY ignored;
        isc_dsql_free_statement(ignored, &stmt_, DSQL_drop);
    }
    Rows fetchAll();

private:
    void bindTextColumns();
    Value valueOf(int column) const;

    Session::Handles& handles_;
    const std::string& sql_;
    isc_stmt_handle stmt_ = 0;
    std::vector<char> area_ = std::vector<char>(XSQLDA_LENGTH(20));
    XSQLDA* sqlda_ = reinterpret_cast<XSQLDA*>(area_.data());
    std::vector<std::vector<char>> buffers_;
    std::vector<short> nulls_;
};

Statement::Statement(Session::Handles& handles, const std::string& sql)
    : handles_(handles), sql_(sql) {
    isc_dsql_allocate_statement(handles_.status, &handles_.db, &stmt_);
    handles_.check("allocate");
    sqlda_->version = SQLDA_VERSION1;
    sqlda_->sqln = 20;
    isc_dsql_prepare(handles_.status, &handles_.tr, &stmt_, 0, sql_.c_str(), SQL_DIALECT_V6,
                     sqlda_);
    handles_.check(sql_);
    bindTextColumns();
}

void Statement::bindTextColumns() {
    if (sqlda_->sqld > sqlda_->sqln) throw std::runtime_error("too many columns: " + sql_);
    buffers_.resize(sqlda_->sqld);
    nulls_.resize(sqlda_->sqld);
    for (int i = 0; i < sqlda_->sqld; ++i) {
        XSQLVAR& var = sqlda_->sqlvar[i];
        const int type = var.sqltype & ~1;
        if (type != SQL_TEXT && type != SQL_VARYING)
            throw std::runtime_error("test queries read text columns only: " + sql_);
        buffers_[i].resize(var.sqllen + 2);
        var.sqldata = buffers_[i].data();
        var.sqlind = &nulls_[i];
    }
}

Rows Statement::fetchAll() {
    isc_dsql_execute(handles_.status, &handles_.tr, &stmt_, SQL_DIALECT_V6, nullptr);
    handles_.check(sql_);
    Rows rows;
    while (isc_dsql_fetch(handles_.status, &stmt_, SQL_DIALECT_V6, sqlda_) == 0) {
        std::vector<Value> row;
        for (int i = 0; i < sqlda_->sqld; ++i) row.push_back(valueOf(i));
        rows.push_back(std::move(row));
    }
    handles_.check(sql_);
    return rows;
}

Value Statement::valueOf(int column) const {
    const XSQLVAR& var = sqlda_->sqlvar[column];
    if (*var.sqlind < 0) return std::nullopt;
    if ((var.sqltype & ~1) == SQL_TEXT) return std::string(var.sqldata, var.sqllen);
    const auto length = *reinterpret_cast<const unsigned short*>(var.sqldata);
    return std::string(var.sqldata + 2, length);
}

std::string parameterBlock(const std::string& password) {
    std::string dpb{char(isc_dpb_version1)};
    for (auto [tag, value] : {std::pair{isc_dpb_user_name, std::string("SYSDBA")},
                              std::pair{isc_dpb_password, password}}) {
        dpb += char(tag);
        dpb += char(value.size());
        dpb += value;
    }
    return dpb;
}

}  // namespace

Session::Session(const std::string& database, const std::string& password)
    : handles_(std::make_unique<Handles>()) {
    const std::string dpb = parameterBlock(password);
    isc_attach_database(handles_->status, 0, database.c_str(), &handles_->db, short(dpb.size()),
                        dpb.data());
    handles_->check("attach " + database);
}

Session::~Session() {
    handles_->rollbackQuietly();
    ISC_STATUS_ARRAY ignored;
    isc_detach_database(ignored, &handles_->db);
}

void Session::execute(const std::string& sql) {
    begin();
    try {
        run(sql);
    } catch (...) {
        handles_->rollbackQuietly();
        throw;
    }
    commit();
}

Rows Session::query(const std::string& sql) {
    begin();
    Rows rows;
    try {
        rows = Statement(*handles_, sql).fetchAll();
    } catch (...) {
        handles_->rollbackQuietly();
        throw;
    }
    commit();
    return rows;
}

void Session::begin() {
    isc_start_transaction(handles_->status, &handles_->tr, 1, &handles_->db, 0, nullptr);
    handles_->check("start transaction");
}

void Session::run(const std::string& sql) {
    isc_dsql_execute_immediate(handles_->status, &handles_->db, &handles_->tr, 0, sql.c_str(),
                               SQL_DIALECT_V6, nullptr);
    handles_->check(sql);
}

void Session::commit() {
    isc_commit_transaction(handles_->status, &handles_->tr);
    handles_->check("commit");
}

void Session::rollback() {
    isc_rollback_transaction(handles_->status, &handles_->tr);
    handles_->check("rollback");
}

}  // namespace testsupport
