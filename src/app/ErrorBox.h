#pragma once

#include <string>

// Shows the modal error box, owned by the application: critical icon, one OK button, title and
// message in the ANSI code page. Returns when the user has closed it.
void showErrorBox(const std::string& title, const std::string& message);
