#include "fbdriver/Attachment.h"

#include "fbdriver/ClientLibrary.h"
#include "fbdriver/Errors.h"

namespace fbdriver {

Attachment::Attachment(const ClientApi& api, const std::string& database,
                       const std::string& parameters)
    : api_(api) {
    if (database.size() > 32767)
        throw DriverError(dbx::kInvalidParameter, "Database name longer than 32767 bytes");
    Status status(api_);
    status.check(api_.attachDatabase(status.vector(), short(database.size()), database.data(),
                                     &handle_, short(parameters.size()), parameters.data()),
                 dbx::kConnectionFailed);
}

Attachment::~Attachment() {
    Status status(api_);
    api_.detachDatabase(status.vector(), &handle_);
}

Transaction::Transaction(Attachment& attachment, const std::string& parameters)
    : api_(attachment.api()) {
    Status status(api_);
    status.check(api_.startTransaction(status.vector(), &handle_, 1, attachment.handle(),
                                       int(parameters.size()), parameters.data()),
                 dbx::kTransactionFailed);
}

Transaction::~Transaction() {
    if (handle_ == 0) return;
    Status status(api_);
    api_.rollbackTransaction(status.vector(), &handle_);
}

void Transaction::commit() {
    Status status(api_);
    status.check(api_.commitTransaction(status.vector(), &handle_), dbx::kTransactionFailed);
}

}  // namespace fbdriver
