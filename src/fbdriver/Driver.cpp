#include "db/DriverInterface.h"
