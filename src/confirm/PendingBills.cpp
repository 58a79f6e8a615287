#include "confirm/FrmInstorageSendCheck.h"
#include "confirm/Statements.h"

void TFormSalSendCheck::listPendingBills(const std::string& userId) {
    ClientDataSet1.close();
    ClientDataSet1.commandText = pendingBillsStatement(userId);
    ClientDataSet1.open();

    const db::Rows& rows = ClientDataSet1.rows();
    if (rows.empty()) return;
    std::vector<std::string> ids;
    ids.reserve(rows.size());
    for (const dbx::Row& row : rows) ids.push_back(row.empty() ? std::string() : row[0].value_or(""));
    CheckListBox1->clear();
    CheckListBox1->addItems(std::move(ids));
}
