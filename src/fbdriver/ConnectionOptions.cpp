#include "fbdriver/ConnectionOptions.h"

#include <ibase.h>

#include <climits>

#include "fbdriver/Errors.h"

namespace fbdriver {
namespace {

using dbx::Option;
using dbx::OptionValue;
using dbx::ResultCode;

template <typename T>
ResultCode assign(T& target, const OptionValue& value) {
    const T* given = std::get_if<T>(&value);
    if (!given) return dbx::kInvalidParameter;
    target = *given;
    return dbx::kSuccess;
}

ResultCode assignInRange(int& target, const OptionValue& value, int lowest, int highest) {
    const int* given = std::get_if<int>(&value);
    if (!given || *given < lowest || *given > highest) return dbx::kInvalidParameter;
    target = *given;
    return dbx::kSuccess;
}

template <typename T>
ResultCode accept(const OptionValue& value) {
    return std::holds_alternative<T>(value) ? dbx::kSuccess : dbx::kInvalidParameter;
}

void addText(std::string& buffer, char tag, const std::string& text) {
    if (text.empty()) return;
    if (text.size() > 255)
        throw DriverError(dbx::kInvalidParameter, "Connection parameter longer than 255 bytes");
    buffer += tag;
    buffer += char(text.size());
    buffer += text;
}

void addNumber(std::string& buffer, char tag, int number) {
    buffer += tag;
    buffer += char(4);
    for (int shift = 0; shift < 32; shift += 8) buffer += char(unsigned(number) >> shift);
}

char isolationTag(dbx::Isolation isolation) {
    // Firebird has no dirty read; read committed is the nearest it offers.
    return isolation == dbx::Isolation::RepeatableRead ? isc_tpb_concurrency
                                                       : isc_tpb_read_committed;
}

}  // namespace

ResultCode ConnectionOptions::set(Option option, const OptionValue& value) {
    switch (option) {
        case Option::RoleName:
            return assign(roleName, value);
        case Option::ServerCharSet:
            return assign(serverCharSet, value);
        case Option::ServerPort:
            return assign(serverPort, value);
        case Option::WaitOnLocks:
            return assign(waitOnLocks, value);
        case Option::TrimChar:
            return assign(trimChar, value);
        case Option::TransIsolation:
            return assign(isolation, value);
        case Option::SqlDialect:
            return assignInRange(sqlDialect, value, 1, 3);
        case Option::ConnectionTimeout:
            return assignInRange(connectionTimeout, value, 0, INT_MAX);
        case Option::HostName:
        case Option::CustomString:
            return accept<std::string>(value);
        // Every statement is committed on its own whatever these say.
        case Option::CommitRetain:
        case Option::AutoCommit:
        case Option::BlockingMode:
        case Option::OsAuthentication:
        case Option::MultipleTransaction:
            return accept<bool>(value);
    }
    return dbx::kNotSupported;
}

std::string ConnectionOptions::databaseParameters(const std::string& user,
                                                  const std::string& password) const {
    std::string dpb{char(isc_dpb_version1)};
    addText(dpb, isc_dpb_user_name, user);
    addText(dpb, isc_dpb_password, password);
    addText(dpb, isc_dpb_sql_role_name, roleName);
    addText(dpb, isc_dpb_lc_ctype, serverCharSet);
    addNumber(dpb, isc_dpb_sql_dialect, sqlDialect);
    if (connectionTimeout > 0) addNumber(dpb, isc_dpb_connect_timeout, connectionTimeout);
    return dpb;
}

std::string ConnectionOptions::transactionParameters() const {
    std::string tpb{char(isc_tpb_version3), char(isc_tpb_write), isolationTag(isolation)};
    if (isolation != dbx::Isolation::RepeatableRead) tpb += char(isc_tpb_rec_version);
    tpb += char(waitOnLocks ? isc_tpb_wait : isc_tpb_nowait);
    return tpb;
}

std::string ConnectionOptions::databaseWithPort(const std::string& database) const {
    if (serverPort.empty() || database.find("://") != std::string::npos) return database;
    const std::size_t hostEnd =
        database.find(':', database.starts_with('[') ? database.find(']') : 0);
    if (hostEnd == std::string::npos || hostEnd == 0) return database;  // a local path
    const std::string host = database.substr(0, hostEnd);
    if (host.find('/') != std::string::npos) return database;  // names its port already
    return host + "/" + serverPort + database.substr(hostEnd);
}

}  // namespace fbdriver
