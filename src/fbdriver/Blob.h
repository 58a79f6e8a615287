#pragma once

#include <ibase.h>

#include <cstddef>
#include <string>

namespace fbdriver {

class Attachment;
class Transaction;
struct ClientApi;

// One BLOB opened for reading; closed on destruction. Failures throw
// DriverError(kFetchFailed).
class Blob {
public:
    Blob(Attachment& attachment, Transaction& transaction, ISC_QUAD id);
    ~Blob();
    Blob(const Blob&) = delete;
    Blob& operator=(const Blob&) = delete;

    // Its bytes, at most limit of them.
    std::string read(std::size_t limit);

private:
    const ClientApi& api_;
    isc_blob_handle handle_ = 0;
};

}  // namespace fbdriver
