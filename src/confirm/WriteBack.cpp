#include "confirm/FrmInstorageSendCheck.h"

void TFormSalSendCheck::SpeedButton3Click() {}
