#pragma once

#include <memory>
#include <optional>
#include <string>

#include "db/DriverInterface.h"
#include "fbdriver/Attachment.h"
#include "fbdriver/OutputRow.h"
#include "fbdriver/Statement.h"

namespace fbdriver {

struct FetchOptions {
    bool trimChar = false;
    int blobKilobytes = -1;  // negative: no limit
};

// One statement executed in a transaction of its own: at once when it has no result columns,
// else prepared, with its cursor open. Destroyed without commit(), its transaction is rolled
// back. It keeps the attachment alive until it is gone.
class StatementRun {
public:
    StatementRun(std::shared_ptr<Attachment> attachment, const std::string& transactionParameters,
                 const std::string& sql, int dialect);
    StatementRun(const StatementRun&) = delete;
    StatementRun& operator=(const StatementRun&) = delete;

    bool returnsRows() const { return returnsRows_; }
    // Moves to the next row; false after the last one.
    bool fetch() { return returnsRows_ && statement_->fetch(row_); }
    dbx::Row currentRow(const FetchOptions& options);
    void commit() { transaction_.commit(); }

private:
    dbx::Value columnValue(const XSQLVAR& column, const FetchOptions& options);

    std::shared_ptr<Attachment> attachment_;
    Transaction transaction_;
    std::optional<Statement> statement_;  // only when prepared
    OutputRow row_;
    bool returnsRows_ = false;
};

}  // namespace fbdriver
