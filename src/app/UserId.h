#pragma once

#include <string>

// The user on whose behalf bills are confirmed: key "userid" of section "privite" in
// Halvern.ini beside the executable; empty when the file, section or key is missing.
std::string readUserId();
