#include "WindowProbe.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "confirm/FrmInstorageSendCheck.h"

namespace bench {

WindowProbe::WindowProbe() { QCoreApplication::instance()->installEventFilter(this); }

bool WindowProbe::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() == TFormSalSendCheck::formCreateEvent() && !formCreateStart_) {
        formCreateStart_ = Clock::now();
    } else if (auto* box = qobject_cast<QMessageBox*>(receiver);
               box && event->type() == QEvent::Show) {
        errors_ << box->text();
        QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
    }
    return false;
}

}  // namespace bench
