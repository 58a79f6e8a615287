#include "db/DataSets.h"

#include "db/Text.h"

namespace db {
namespace {

SqlConnection& connectionOf(SqlConnection* connection, const char* component) {
    if (!connection) throw DatabaseError(std::string(component) + ": missing SQLConnection");
    return *connection;
}

}  // namespace

Rows SqlDataSet::readAll() {
    return connectionOf(sqlConnection, "SqlDataSet").query(std::string(trimmedLeft(commandText)));
}

Rows DataSetProvider::getRecords(const std::string& commandText) {
    if (!dataSet) throw DatabaseError("DataSetProvider: missing DataSet");
    if (allowCommandText) dataSet->commandText = commandText;
    try {
        return dataSet->readAll();
    } catch (const DatabaseError& error) {
        throw DatabaseError(trimProviderMessage(error.what()));
    }
}

void ClientDataSet::open() {
    if (active_) return;
    if (!provider) throw DatabaseError("ClientDataSet: missing provider");
    rows_ = provider->getRecords(commandText);
    active_ = true;
}

void ClientDataSet::close() {
    rows_.clear();
    active_ = false;
}

void SqlQuery::execSql() {
    std::string text;
    for (const std::string& line : sql) text += line + "\r\n";
    connectionOf(sqlConnection, "SqlQuery").execute(text);
}

// A Big5 trail byte is never a full stop or at most 0x20, so dropping single bytes from the
// end never splits a double-byte character.
std::string trimProviderMessage(std::string message) {
    while (!message.empty() &&
           (message.back() == '.' || static_cast<unsigned char>(message.back()) <= 0x20))
        message.pop_back();
    return message;
}

}  // namespace db
