#include "fbdriver/OutputRow.h"

#include <string>

#include "fbdriver/Errors.h"
#include "fbdriver/ValueText.h"

namespace fbdriver {
namespace {

std::size_t slotsFor(std::size_t bytes) {
    return (bytes + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t);
}

std::size_t bufferBytes(const XSQLVAR& column) {
    const int type = column.sqltype & ~1;
    return type == SQL_VARYING ? column.sqllen + sizeof(short) : column.sqllen;
}

}  // namespace

void OutputRow::reserve(short columns) {
    area_.assign(slotsFor(XSQLDA_LENGTH(columns)), std::max_align_t{});
    sqlda()->version = SQLDA_VERSION1;
    sqlda()->sqln = columns;
}

void OutputRow::bindBuffers() {
    const int count = columnCount();
    buffers_.assign(count, {});
    indicators_.assign(count, 0);
    for (int i = 0; i < count; ++i) {
        XSQLVAR& column = sqlda()->sqlvar[i];
        if (!isReadable(column.sqltype))
            throw DriverError(
                dbx::kNotSupported,
                "Column type " + std::to_string(column.sqltype & ~1) + " is not supported");
        buffers_[i].resize(slotsFor(bufferBytes(column)) + 1);
        column.sqldata = reinterpret_cast<char*>(buffers_[i].data());
        column.sqlind = &indicators_[i];
    }
}

}  // namespace fbdriver
