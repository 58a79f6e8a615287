#include "db/SqlConnection.h"
