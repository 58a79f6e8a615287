#include "confirm/FrmInstorageSendCheck.h"
#include "confirm/Statements.h"

// Each statement commits on its own: a failure leaves the bills before it marked and the rest
// unsent, and the window open with its ticks, so that pressing again finishes the run.
void TFormSalSendCheck::SpeedButton3Click() {
    const int count = CheckListBox1->count();
    for (int i = 0; i < count; ++i) {
        if (!CheckListBox1->checked(i)) continue;
        SQLQuery1.close();
        SQLQuery1.sql.clear();
        SQLQuery1.sql.push_back(confirmationStatement(CheckListBox1->item(i)));
        SQLQuery1.execSql();
    }
    close();
}
