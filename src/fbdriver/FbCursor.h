#pragma once

#include <memory>
#include <optional>
#include <string>

#include "db/DriverInterface.h"
#include "fbdriver/StatementRun.h"

namespace fbdriver {

// The rows of one statement. Its transaction is committed once the last row has been read,
// or when the cursor is destroyed before that; a fetch failure rolls it back.
class FbCursor : public dbx::Cursor {
public:
    FbCursor(std::unique_ptr<StatementRun> run, FetchOptions options)
        : run_(std::move(run)), options_(options) {}
    ~FbCursor() override;
    FbCursor(const FbCursor&) = delete;
    FbCursor& operator=(const FbCursor&) = delete;

    dbx::ResultCode fetch(std::size_t maxRows, std::vector<dbx::Row>& block, bool& done) override;
    std::string lastErrorMessage() const override { return lastError_; }

private:
    void fetchInto(std::size_t maxRows, std::vector<dbx::Row>& block);
    void finish();

    std::unique_ptr<StatementRun> run_;
    FetchOptions options_;
    std::string lastError_;
    std::optional<std::string> failure_;  // a failed fetch's message, repeated by later ones
};

}  // namespace fbdriver
