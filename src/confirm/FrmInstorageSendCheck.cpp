#include "confirm/FrmInstorageSendCheck.h"
