#pragma once

#include <ibase.h>

#include <cstddef>
#include <vector>

namespace fbdriver {

// The output descriptor of a statement and the buffers its columns are fetched into.
class OutputRow {
public:
    OutputRow() { reserve(1); }
    OutputRow(const OutputRow&) = delete;
    OutputRow& operator=(const OutputRow&) = delete;

    XSQLDA* sqlda() { return reinterpret_cast<XSQLDA*>(area_.data()); }
    // After a describe: whether the descriptor has room for every column.
    bool hasRoom() { return sqlda()->sqld <= sqlda()->sqln; }
    // Makes room for the described columns; a describe must follow.
    void growToDescribed() { reserve(sqlda()->sqld); }
    // Gives every described column its buffers; throws DriverError(kNotSupported) on a column
    // type the driver cannot read.
    void bindBuffers();

    int columnCount() const { return descriptor().sqld; }
    const XSQLVAR& column(int index) const { return descriptor().sqlvar[index]; }

private:
    const XSQLDA& descriptor() const { return *reinterpret_cast<const XSQLDA*>(area_.data()); }
    void reserve(short columns);

    std::vector<std::max_align_t> area_;
    std::vector<std::vector<std::max_align_t>> buffers_;
    std::vector<short> indicators_;
};

}  // namespace fbdriver
