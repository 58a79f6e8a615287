#pragma once
// Notes the area a widget repaints, from its paint events.

#include <QObject>
#include <QRegion>

class QWidget;

namespace bench {

class PaintProbe : public QObject {
public:
    explicit PaintProbe(QWidget* widget);

    const QRegion& painted() const { return painted_; }
    void forget() { painted_ = QRegion(); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    QRegion painted_;
};

}  // namespace bench
