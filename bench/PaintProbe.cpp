#include "PaintProbe.h"

#include <QPaintEvent>
#include <QWidget>

namespace bench {

PaintProbe::PaintProbe(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

bool PaintProbe::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) painted_ += static_cast<QPaintEvent*>(event)->region();
    return false;
}

}  // namespace bench
