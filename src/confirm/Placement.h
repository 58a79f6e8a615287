#pragma once

#include <QPoint>
#include <QSize>

// Where a window of the given outer size goes to stand in the middle of the desktop: each
// offset halved towards zero and never negative, from the desktop's origin.
QPoint centredOffset(QSize desktop, QSize window);
