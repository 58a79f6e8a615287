#include "fbdriver/Blob.h"

#include <algorithm>

#include "fbdriver/Attachment.h"
#include "fbdriver/ClientLibrary.h"
#include "fbdriver/Errors.h"

namespace fbdriver {

Blob::Blob(Attachment& attachment, Transaction& transaction, ISC_QUAD id) : api_(attachment.api()) {
    Status status(api_);
    status.check(api_.openBlob(status.vector(), attachment.handle(), transaction.handle(), &handle_,
                               &id, 0, nullptr),
                 dbx::kFetchFailed);
}

Blob::~Blob() {
    Status status(api_);
    api_.closeBlob(status.vector(), &handle_);
}

std::string Blob::read(std::size_t limit) {
    std::string bytes;
    char segment[32768];
    while (bytes.size() < limit) {
        const auto wanted = (unsigned short)std::min(limit - bytes.size(), sizeof segment);
        unsigned short got = 0;
        Status status(api_);
        const ISC_STATUS result = api_.getSegment(status.vector(), &handle_, &got, wanted, segment);
        if (result == isc_segstr_eof) break;
        if (result != isc_segment) status.check(result, dbx::kFetchFailed);
        bytes.append(segment, got);
    }
    return bytes;
}

}  // namespace fbdriver
