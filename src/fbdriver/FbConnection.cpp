#include "fbdriver/FbConnection.h"

#include "fbdriver/Errors.h"
#include "fbdriver/FbCursor.h"

namespace fbdriver {

dbx::ResultCode FbConnection::setOption(dbx::Option option, const dbx::OptionValue& value) {
    lastError_.clear();
    return options_.set(option, value);
}

dbx::ResultCode FbConnection::connect(const std::string& database, const std::string& user,
                                      const std::string& password) {
    return guarded(lastError_, [&] {
        attachment_ = std::make_shared<Attachment>(api_, options_.databaseWithPort(database),
                                                   options_.databaseParameters(user, password));
    });
}

dbx::ResultCode FbConnection::setBlobSize(int kilobytes) {
    lastError_.clear();
    blobKilobytes_ = kilobytes;
    return dbx::kSuccess;
}

// Rows are handed over in blocks of whatever size each fetch asks for.
dbx::ResultCode FbConnection::execute(const std::string& sql, std::size_t /*rowsetSize*/,
                                      std::unique_ptr<dbx::Cursor>& rows) {
    rows.reset();
    return guarded(lastError_, [&] { run(sql, rows); });
}

void FbConnection::run(const std::string& sql, std::unique_ptr<dbx::Cursor>& rows) {
    if (!attachment_) throw DriverError(dbx::kNotConnected, "");
    auto statement = std::make_unique<StatementRun>(attachment_, options_.transactionParameters(),
                                                    sql, options_.sqlDialect);
    if (!statement->returnsRows()) return statement->commit();
    rows = std::make_unique<FbCursor>(std::move(statement),
                                      FetchOptions{options_.trimChar, blobKilobytes_});
}

}  // namespace fbdriver
