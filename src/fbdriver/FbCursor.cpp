#include "fbdriver/FbCursor.h"

#include "fbdriver/Errors.h"

namespace fbdriver {

FbCursor::~FbCursor() {
    try {
        if (run_) run_->commit();
    } catch (...) {
        // The run's destruction rolls the transaction back.
    }
}

dbx::ResultCode FbCursor::fetch(std::size_t maxRows, std::vector<dbx::Row>& block, bool& done) {
    const dbx::ResultCode result = guarded(lastError_, [&] { fetchInto(maxRows, block); });
    if (result != dbx::kSuccess && !failure_) {
        failure_ = lastError_;
        run_.reset();
    }
    done = !run_ && !failure_;
    return result;
}

void FbCursor::fetchInto(std::size_t maxRows, std::vector<dbx::Row>& block) {
    if (failure_) throw DriverError(dbx::kFetchFailed, *failure_);
    for (std::size_t count = 0; run_ && count < maxRows; ++count) {
        if (!run_->fetch()) return finish();
        block.push_back(run_->currentRow(options_));
    }
}

void FbCursor::finish() {
    run_->commit();
    run_.reset();
}

}  // namespace fbdriver
