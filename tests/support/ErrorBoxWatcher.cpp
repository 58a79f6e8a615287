#include "support/ErrorBoxWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

ErrorBoxWatcher::ErrorBoxWatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { pressOk(); });
    timer_.start(5);
}

std::vector<QString> ErrorBoxWatcher::texts() const {
    std::vector<QString> result;
    for (const ShownBox& box : boxes_) result.push_back(box.text);
    return result;
}

void ErrorBoxWatcher::pressOk() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    if (box == lastBox_) {
        box->done(0);  // pressing OK did not close it: the test fails on what was noted
        return;
    }
    lastBox_ = box;
    boxes_.push_back({box->windowTitle(), box->text(), box->icon(), box->textFormat(),
                      box->windowModality(), box->standardButtons(), box->buttons().size()});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        QTest::mouseClick(ok, Qt::LeftButton);
        boxes_.back().closedByOk = !box->isVisible();
    } else {
        box->done(0);
    }
}
