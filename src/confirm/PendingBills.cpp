#include "confirm/FrmInstorageSendCheck.h"

void TFormSalSendCheck::listPendingBills(const std::string&) {}
