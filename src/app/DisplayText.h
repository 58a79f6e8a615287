#pragma once

#include <QString>
#include <string>

#include "platform/Platform.h"

// Text in the ANSI code page as it is shown on the screen.
inline QString displayText(const std::string& ansi) {
    return QString::fromStdString(platform::ansiToUtf8(ansi));
}
