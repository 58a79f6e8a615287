#include "db/ConnectionOptions.h"

#include <vector>

#include "db/ParamValues.h"
#include "db/Text.h"

namespace db {
namespace {

using dbx::Option;

enum class Kind { Text, Flag, Integer, Isolation };

struct OptionKey {
    std::string key;
    Option option;
    Kind kind;
};

std::vector<OptionKey> optionKeys(const std::string& driverName) {
    return {
        {"HostName", Option::HostName, Kind::Text},
        {"RoleName", Option::RoleName, Kind::Text},
        {"WaitOnLocks", Option::WaitOnLocks, Kind::Flag},
        {"CommitRetain", Option::CommitRetain, Kind::Flag},
        {"AutoCommit", Option::AutoCommit, Kind::Flag},
        {"BlockingMode", Option::BlockingMode, Kind::Flag},
        {"ServerCharSet", Option::ServerCharSet, Kind::Text},
        {driverName + " TransIsolation", Option::TransIsolation, Kind::Isolation},
        {"SqlDialect", Option::SqlDialect, Kind::Integer},
        {"OS Authentication", Option::OsAuthentication, Kind::Flag},
        {"Server Port", Option::ServerPort, Kind::Text},
        {"Multiple Transaction", Option::MultipleTransaction, Kind::Flag},
        {"Trim Char", Option::TrimChar, Kind::Flag},
        {"Custom String", Option::CustomString, Kind::Text},
        {"Connection Timeout", Option::ConnectionTimeout, Kind::Integer},
    };
}

dbx::OptionValue optionValue(Kind kind, const std::string& value) {
    switch (kind) {
        case Kind::Flag:
            return flagValue(value);
        case Kind::Integer:
            return integerValue(value);
        case Kind::Isolation:
            return isolationValue(value);
        case Kind::Text:
            break;
    }
    return std::string(trimmed(value));
}

}  // namespace

void passConnectionOptions(dbx::Connection& connection, const Params& params,
                           const std::string& driverName) {
    for (const auto& [key, option, kind] : optionKeys(driverName)) {
        const std::string value = params.value(key);
        if (trimmed(value).empty()) continue;
        connection.setOption(option, optionValue(kind, value));
    }
}

}  // namespace db
