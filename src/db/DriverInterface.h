#pragma once
// The boundary between the database layer and a driver library.
//
// A driver library exports one C entry function (its name comes from the driver entry's
// GetDriverFunc). The layer calls it with the client library name and the error resource file;
// the driver loads the client library itself and hands back a Driver, which makes Connections.
// Every call returns a result code: 0 is success, anything else names the failure, and
// lastErrorMessage() then holds the server's own text (empty when it gave none). No exception
// crosses this boundary. Text is bytes, passed through unchanged.
//
// Both sides are built by the same toolchain, so C++ types are used inside the boundary;
// only the entry function has C linkage.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace dbx {

using ResultCode = int;

// Result codes; the database layer owns their texts.
inline constexpr ResultCode kSuccess = 0x0000;
inline constexpr ResultCode kNoMemory = 0x0001;
inline constexpr ResultCode kInvalidHandle = 0x0003;
inline constexpr ResultCode kNotSupported = 0x0005;
inline constexpr ResultCode kInvalidParameter = 0x000B;
inline constexpr ResultCode kClientLibraryMissing = 0x0011;
inline constexpr ResultCode kConnectionFailed = 0x0015;
inline constexpr ResultCode kNotConnected = 0x0016;
inline constexpr ResultCode kStatementFailed = 0x0017;
inline constexpr ResultCode kFetchFailed = 0x0018;
inline constexpr ResultCode kTransactionFailed = 0x0019;
inline constexpr ResultCode kDisconnectFailed = 0x001A;

// Connection options, in the order the layer passes them.
enum class Option {
    HostName,             // text
    RoleName,             // text
    WaitOnLocks,          // flag
    CommitRetain,         // flag
    AutoCommit,           // flag
    BlockingMode,         // flag
    ServerCharSet,        // text
    TransIsolation,       // Isolation
    SqlDialect,           // integer
    OsAuthentication,     // flag
    ServerPort,           // text
    MultipleTransaction,  // flag
    TrimChar,             // flag
    CustomString,         // text
    ConnectionTimeout,    // integer (seconds)
};

enum class Isolation { ReadCommitted, RepeatableRead, DirtyRead };

using OptionValue = std::variant<std::string, bool, int, Isolation>;

// One field: nullopt is SQL NULL; otherwise the bytes as the server delivered them.
using Value = std::optional<std::string>;
using Row = std::vector<Value>;

class Cursor {
public:
    virtual ~Cursor() = default;
    // Appends up to maxRows rows to block; sets done once the last row has been delivered.
    virtual ResultCode fetch(std::size_t maxRows, std::vector<Row>& block, bool& done) = 0;
    virtual std::string lastErrorMessage() const = 0;
};

class Connection {
public:
    virtual ~Connection() = default;  // disconnects, with no commit and no rollback
    virtual ResultCode setOption(Option option, const OptionValue& value) = 0;
    virtual ResultCode connect(const std::string& database, const std::string& user,
                               const std::string& password) = 0;
    virtual ResultCode setBlobSize(int kilobytes) = 0;
    // Runs one statement in a transaction of its own, committed by the driver. A statement with
    // result rows leaves rows set; its transaction ends when the cursor is exhausted or destroyed.
    virtual ResultCode execute(const std::string& sql, std::size_t rowsetSize,
                               std::unique_ptr<Cursor>& rows) = 0;
    virtual std::string lastErrorMessage() const = 0;
};

class Driver {
public:
    virtual ~Driver() = default;
    virtual ResultCode getConnection(std::unique_ptr<Connection>& connection) = 0;
};

}  // namespace dbx

// The entry function's type. On success it stores a driver that the caller owns.
extern "C" {
using DbxGetDriverFunc = int (*)(const char* vendorLib, const char* errorResourceFile,
                                 dbx::Driver** driver);
}
