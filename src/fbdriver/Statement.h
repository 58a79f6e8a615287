#pragma once

#include <ibase.h>

#include <string>

namespace fbdriver {

class Attachment;
class OutputRow;
class Transaction;
struct ClientApi;

// Runs sql in one exchange with the server when it needs no descriptors (no result columns).
// One that needs them is refused before it runs: then false, and it needs a prepared Statement.
// Failures throw DriverError(kStatementFailed).
bool executeImmediately(Attachment& attachment, Transaction& transaction, const std::string& sql,
                        int dialect);

// One prepared statement; freed on destruction. Failures throw DriverError(kStatementFailed),
// fetch failures DriverError(kFetchFailed).
class Statement {
public:
    explicit Statement(Attachment& attachment);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Prepares sql and describes its output columns into row, buffers bound.
    void prepare(Transaction& transaction, const std::string& sql, int dialect, OutputRow& row);
    // Whether the prepared statement opens a cursor.
    bool returnsRows();
    void execute(Transaction& transaction, int dialect);
    // Fetches the next row into row; false after the last one.
    bool fetch(OutputRow& row);

private:
    void describe(OutputRow& row);
    int statementType();

    const ClientApi& api_;
    isc_stmt_handle handle_ = 0;
};

}  // namespace fbdriver
