#include "support/TestDatabase.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {
namespace {

const char* const kPasswordFile = "/etc/firebird/3.0/SYSDBA.password";

}  // namespace

std::string binDir() { return SALSENDCHECK_BIN_DIR; }

std::string sourceDir() { return SALSENDCHECK_SOURCE_DIR; }

std::string sysdbaPassword() {
    std::ifstream in(kPasswordFile);
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "ISC_PASSWORD=";
        if (line.rfind(key, 0) != 0) continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
    throw std::runtime_error(std::string("no ISC_PASSWORD in ") + kPasswordFile +
                             ": is firebird3.0-server installed?");
}

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "salsendcheck-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    // The server runs as its own user and writes database files here.
    chmod(path_.c_str(), 0777);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

TestDatabase::TestDatabase(bool embedded)
    : filePath_(dir_.file("test.fdb")), database_(embedded ? filePath_ : "127.0.0.1:" + filePath_) {
    createEmptyDatabase(database_, sysdbaPassword());
}

TestDatabase::~TestDatabase() { dropDatabase(database_, sysdbaPassword()); }

void TestDatabase::execute(const std::string& sql) {
    Session(database_, sysdbaPassword()).execute(sql);
}

Rows TestDatabase::query(const std::string& sql) {
    return Session(database_, sysdbaPassword()).query(sql);
}

void TestDatabase::createBillTables() {
    execute("CREATE TABLE sal_master (masterbillid VARCHAR(30), chg_user VARCHAR(30))");
    execute(
        "CREATE TABLE sal_temp (masterbillid VARCHAR(30), tran_check CHAR(1), state VARCHAR(10))");
    execute("CREATE INDEX sal_temp_bill ON sal_temp (masterbillid)");
}

}  // namespace testsupport
