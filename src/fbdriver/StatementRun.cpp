#include "fbdriver/StatementRun.h"

#include <cstring>

#include "fbdriver/Blob.h"
#include "fbdriver/ValueText.h"

namespace fbdriver {
namespace {

std::size_t blobLimit(int kilobytes) {
    return kilobytes < 0 ? std::string::npos : std::size_t(kilobytes) * 1024;
}

}  // namespace

StatementRun::StatementRun(std::shared_ptr<Attachment> attachment,
                           const std::string& transactionParameters, const std::string& sql,
                           int dialect)
    : attachment_(std::move(attachment)), transaction_(*attachment_, transactionParameters) {
    if (executeImmediately(*attachment_, transaction_, sql, dialect)) return;
    statement_.emplace(*attachment_);
    statement_->prepare(transaction_, sql, dialect, row_);
    returnsRows_ = statement_->returnsRows();
    statement_->execute(transaction_, dialect);
}

dbx::Row StatementRun::currentRow(const FetchOptions& options) {
    dbx::Row values;
    values.reserve(row_.columnCount());
    for (int i = 0; i < row_.columnCount(); ++i)
        values.push_back(columnValue(row_.column(i), options));
    return values;
}

dbx::Value StatementRun::columnValue(const XSQLVAR& column, const FetchOptions& options) {
    const bool nullable = column.sqltype & 1;
    if ((nullable && *column.sqlind < 0) || (column.sqltype & ~1) == SQL_NULL) return std::nullopt;
    if (!isBlob(column)) return scalarText(column, options.trimChar);
    ISC_QUAD id;
    std::memcpy(&id, column.sqldata, sizeof id);
    return Blob(*attachment_, transaction_, id).read(blobLimit(options.blobKilobytes));
}

}  // namespace fbdriver
