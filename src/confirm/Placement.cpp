#include "confirm/Placement.h"

#include <algorithm>

QPoint centredOffset(QSize desktop, QSize window) {
    // Integer division halves towards zero, before the clamp.
    return {std::max(0, (desktop.width() - window.width()) / 2),
            std::max(0, (desktop.height() - window.height()) / 2)};
}
