#pragma once

#include <ibase.h>

#include <string>

namespace fbdriver {

struct ClientApi;

// One attachment to a database; detached on destruction.
class Attachment {
public:
    // Throws DriverError(kConnectionFailed) with the server's text.
    Attachment(const ClientApi& api, const std::string& database, const std::string& parameters);
    ~Attachment();
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;

    const ClientApi& api() const { return api_; }
    isc_db_handle* handle() { return &handle_; }

private:
    const ClientApi& api_;
    isc_db_handle handle_ = 0;
};

// One transaction on an attachment; rolled back on destruction unless committed.
class Transaction {
public:
    // Throws DriverError(kTransactionFailed).
    Transaction(Attachment& attachment, const std::string& parameters);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    isc_tr_handle* handle() { return &handle_; }
    // Throws DriverError(kTransactionFailed); the transaction stays open then.
    void commit();

private:
    const ClientApi& api_;
    isc_tr_handle handle_ = 0;
};

}  // namespace fbdriver
