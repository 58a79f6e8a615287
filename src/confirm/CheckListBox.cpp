#include "confirm/CheckListBox.h"
