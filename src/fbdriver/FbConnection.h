#pragma once
// The Firebird driver: the Driver/Connection/Cursor of db/DriverInterface.h over the classic
// isc_* API of a client library that it loads by name at run time and never links.
//
// In: the client library name, connection options, statement texts (bytes, unchanged).
// Out: rows of byte values; every statement runs in a transaction of its own that the driver
// commits, so each one takes effect alone. Failures are result codes plus the server's text.

#include <memory>
#include <string>

#include "db/DriverInterface.h"
#include "fbdriver/Attachment.h"
#include "fbdriver/ConnectionOptions.h"

namespace fbdriver {

struct ClientApi;

// One connection; every statement runs in a transaction of its own, committed by the driver.
// Cursors share the attachment, so it is detached when the connection and its last cursor are
// gone; there is nothing left to commit or roll back by then.
class FbConnection : public dbx::Connection {
public:
    explicit FbConnection(const ClientApi& api) : api_(api) {}
    FbConnection(const FbConnection&) = delete;
    FbConnection& operator=(const FbConnection&) = delete;

    dbx::ResultCode setOption(dbx::Option option, const dbx::OptionValue& value) override;
    dbx::ResultCode connect(const std::string& database, const std::string& user,
                            const std::string& password) override;
    dbx::ResultCode setBlobSize(int kilobytes) override;
    dbx::ResultCode execute(const std::string& sql, std::size_t rowsetSize,
                            std::unique_ptr<dbx::Cursor>& rows) override;
    std::string lastErrorMessage() const override { return lastError_; }

private:
    void run(const std::string& sql, std::unique_ptr<dbx::Cursor>& rows);

    const ClientApi& api_;
    ConnectionOptions options_;
    int blobKilobytes_ = -1;
    std::shared_ptr<Attachment> attachment_;
    std::string lastError_;
};

}  // namespace fbdriver
