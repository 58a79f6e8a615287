#pragma once
// The datasets of the window: SQLDataSet1 reads rows for DataSetProvider1, which hands them to
// ClientDataSet1 in one packet; SQLQuery1 runs statements without rows.

#include <string>
#include <vector>

#include "db/SqlConnection.h"

namespace db {

class SqlDataSet {
public:
    SqlConnection* sqlConnection = nullptr;
    std::string commandText;
    int maxBlobSize = -1;  // carried as the window sets it; only this value is supported

    // Runs commandText, without its leading blanks, on the connection (opening it when needed)
    // and reads every row.
    Rows readAll();
};

class DataSetProvider {
public:
    SqlDataSet* dataSet = nullptr;
    bool allowCommandText = true;  // poAllowCommandText

    // Every row of commandText; errors leave with trailing full stops, blanks and control
    // characters removed from their message.
    Rows getRecords(const std::string& commandText);
};

class ClientDataSet {
public:
    DataSetProvider* provider = nullptr;
    std::string commandText;

    void open();   // fetches every row through the provider, once
    void close();  // drops the rows
    bool active() const { return active_; }
    const Rows& rows() const { return rows_; }

private:
    bool active_ = false;
    Rows rows_;
};

class SqlQuery {
public:
    SqlConnection* sqlConnection = nullptr;
    std::vector<std::string> sql;  // statement text, one entry per line

    // Carried as the window calls it; holds no open statement between runs.
    void close() {}
    // Runs the lines of sql, each followed by CR LF, as one statement without result rows.
    void execSql();
};

// The provider's trimming of error messages.
std::string trimProviderMessage(std::string message);

}  // namespace db
