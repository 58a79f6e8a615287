// A driver library for the tests of the database layer. It records every call it receives, and
// fails when the values it receives ask it to:
//   client library "fail-entry"        the entry function fails
//   client library "fail-getConnection" the driver has no connection to give
//   database or statement "fail:<code>:<message>"  the connect or the statement fails
//   statement "rows:<n>"                n rows of ("row<i>", NULL)
//   statement "fetchfail:<code>:<message>"  the statement runs, its first fetch fails
//   BLOB size below -1                   refused
// It refuses every option, so that a layer that stops at a refusal shows at once.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/DriverInterface.h"

namespace {

std::vector<std::string> calls;

void record(std::string call) { calls.push_back(std::move(call)); }

struct Failure {
    dbx::ResultCode code;
    std::string message;
};

std::optional<Failure> failureIn(const std::string& text, const std::string& prefix) {
    if (text.rfind(prefix, 0) != 0) return std::nullopt;
    const std::size_t colon = text.find(':', prefix.size());
    return Failure{std::stoi(text.substr(prefix.size())),
                   colon == std::string::npos ? "" : text.substr(colon + 1)};
}

const char* optionName(dbx::Option option) {
    static const char* const names[] = {"HostName",         "RoleName",       "WaitOnLocks",
                                        "CommitRetain",     "AutoCommit",     "BlockingMode",
                                        "ServerCharSet",    "TransIsolation", "SqlDialect",
                                        "OsAuthentication", "ServerPort",     "MultipleTransaction",
                                        "TrimChar",         "CustomString",   "ConnectionTimeout"};
    return names[static_cast<int>(option)];
}

std::string describe(const dbx::OptionValue& value) {
    static const char* const levels[] = {"ReadCommitted", "RepeatableRead", "DirtyRead"};
    if (const auto* text = std::get_if<std::string>(&value)) return "text:" + *text;
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "flag:true" : "flag:false";
    if (const auto* number = std::get_if<int>(&value)) return "integer:" + std::to_string(*number);
    return std::string("isolation:") + levels[static_cast<int>(std::get<dbx::Isolation>(value))];
}

class TestCursor : public dbx::Cursor {
public:
    TestCursor(int rows, std::optional<Failure> failure) : rows_(rows), failure_(failure) {}

    dbx::ResultCode fetch(std::size_t maxRows, std::vector<dbx::Row>& block, bool& done) override {
        record("fetch " + std::to_string(maxRows));
        if (failure_) {
            message_ = failure_->message;
            return failure_->code;
        }
        for (std::size_t i = 0; i < maxRows && next_ < rows_; ++i, ++next_)
            block.push_back({"row" + std::to_string(next_ + 1), std::nullopt});
        done = next_ == rows_;
        return dbx::kSuccess;
    }
    std::string lastErrorMessage() const override { return message_; }

private:
    int rows_;
    int next_ = 0;
    std::optional<Failure> failure_;
    std::string message_;
};

class TestConnection : public dbx::Connection {
public:
    ~TestConnection() override { record("disconnect"); }

    dbx::ResultCode setOption(dbx::Option option, const dbx::OptionValue& value) override {
        record(std::string("option ") + optionName(option) + " " + describe(value));
        return dbx::kNotSupported;
    }
    dbx::ResultCode connect(const std::string& database, const std::string& user,
                            const std::string& password) override {
        record("connect database=" + database + " user=" + user + " password=" + password);
        return failWith(failureIn(database, "fail:"));
    }
    dbx::ResultCode setBlobSize(int kilobytes) override {
        record("blobSize " + std::to_string(kilobytes));
        return kilobytes < -1 ? dbx::kInvalidParameter : dbx::kSuccess;
    }
    dbx::ResultCode execute(const std::string& sql, std::size_t rowsetSize,
                            std::unique_ptr<dbx::Cursor>& rows) override {
        record("execute rowset=" + std::to_string(rowsetSize) + " sql=" + sql);
        if (sql.rfind("rows:", 0) == 0)
            rows = std::make_unique<TestCursor>(std::stoi(sql.substr(5)), std::nullopt);
        if (auto failure = failureIn(sql, "fetchfail:"))
            rows = std::make_unique<TestCursor>(0, failure);
        return failWith(failureIn(sql, "fail:"));
    }
    std::string lastErrorMessage() const override { return message_; }

private:
    dbx::ResultCode failWith(const std::optional<Failure>& failure) {
        message_ = failure ? failure->message : "";
        return failure ? failure->code : dbx::kSuccess;
    }

    std::string message_;
};

class TestDriver : public dbx::Driver {
public:
    explicit TestDriver(std::string vendorLib) : vendorLib_(std::move(vendorLib)) {}
    ~TestDriver() override { record("release driver"); }

    dbx::ResultCode getConnection(std::unique_ptr<dbx::Connection>& connection) override {
        record("getConnection");
        if (vendorLib_ == "fail-getConnection") return dbx::kNoMemory;
        connection = std::make_unique<TestConnection>();
        return dbx::kSuccess;
    }

private:
    std::string vendorLib_;
};

}  // namespace

extern "C" {

int getTestDriver(const char* vendorLib, const char* errorResourceFile, dbx::Driver** driver) {
    record(std::string("entry vendorLib=") + vendorLib + " errorResourceFile=" + errorResourceFile);
    if (std::string(vendorLib) == "fail-entry") return 1;
    *driver = new TestDriver(vendorLib);
    return 0;
}

// Hands the calls recorded so far to the test and forgets them.
void takeTestDriverCalls(std::vector<std::string>& out) {
    out.swap(calls);
    calls.clear();
}
}
