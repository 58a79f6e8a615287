#include "db/DataSets.h"
