#include "fbdriver/ValueText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace fbdriver {
namespace {

int baseType(short sqltype) { return sqltype & ~1; }

template <typename T>
T read(const XSQLVAR& column, std::size_t offset = 0) {
    T value;
    std::memcpy(&value, column.sqldata + offset, sizeof value);
    return value;
}

std::string fixedText(const XSQLVAR& column, bool trimChar) {
    std::string text(column.sqldata, column.sqllen);
    if (trimChar) text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string varyingText(const XSQLVAR& column) {
    return std::string(column.sqldata + sizeof(short), read<unsigned short>(column));
}

std::string scaledText(std::int64_t number, int scale) {
    const bool negative = number < 0;
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(number) : std::uint64_t(number);
    std::string digits = std::to_string(magnitude);
    if (scale > 0) digits.append(scale, '0');
    if (scale < 0) {
        const std::size_t fraction = -scale;
        if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
        digits.insert(digits.size() - fraction, 1, '.');
    }
    return negative ? "-" + digits : digits;
}

template <typename Floating>
std::string floatingText(Floating number) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, number).ptr);
}

// Firebird counts days from 1858-11-17.
std::string dateText(ISC_DATE days) {
    using namespace std::chrono;
    const year_month_day date{sys_days{1858y / November / 17} + std::chrono::days{days}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()));
    return text;
}

// Firebird counts time in units of 1/10000 second.
std::string timeText(ISC_TIME time) {
    char text[24];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u.%04u", time / 36000000, time / 600000 % 60,
                  time / 10000 % 60, time % 10000);
    return text;
}

}  // namespace

bool isReadable(short sqltype) {
    constexpr std::array kReadable{SQL_TEXT,      SQL_VARYING,   SQL_SHORT,     SQL_LONG,
                                   SQL_INT64,     SQL_FLOAT,     SQL_DOUBLE,    SQL_D_FLOAT,
                                   SQL_TIMESTAMP, SQL_TYPE_DATE, SQL_TYPE_TIME, SQL_BLOB,
                                   SQL_BOOLEAN,   SQL_NULL};
    return std::ranges::find(kReadable, baseType(sqltype)) != kReadable.end();
}

bool isBlob(const XSQLVAR& column) { return baseType(column.sqltype) == SQL_BLOB; }

std::string scalarText(const XSQLVAR& column, bool trimChar) {
    switch (baseType(column.sqltype)) {
        case SQL_TEXT:
            return fixedText(column, trimChar);
        case SQL_VARYING:
            return varyingText(column);
        case SQL_SHORT:
            return scaledText(read<ISC_SHORT>(column), column.sqlscale);
        case SQL_LONG:
            return scaledText(read<ISC_LONG>(column), column.sqlscale);
        case SQL_INT64:
            return scaledText(read<ISC_INT64>(column), column.sqlscale);
        case SQL_FLOAT:
            return floatingText(read<float>(column));
        case SQL_DOUBLE:
        case SQL_D_FLOAT:
            return floatingText(read<double>(column));
        case SQL_TYPE_DATE:
            return dateText(read<ISC_DATE>(column));
        case SQL_TYPE_TIME:
            return timeText(read<ISC_TIME>(column));
        case SQL_TIMESTAMP:
            return dateText(read<ISC_DATE>(column)) + " " +
                   timeText(read<ISC_TIME>(column, sizeof(ISC_DATE)));
        case SQL_BOOLEAN:
            return read<FB_BOOLEAN>(column) ? "TRUE" : "FALSE";
        default:
            return {};
    }
}

}  // namespace fbdriver
