#include "app/Application.h"
