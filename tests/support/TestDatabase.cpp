#include "support/TestDatabase.h"
