#include "app/UserId.h"
