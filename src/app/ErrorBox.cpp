#include "app/ErrorBox.h"

#include <QMessageBox>

#include "app/Application.h"
#include "app/DisplayText.h"
#include "platform/Platform.h"

std::string errorBoxText(const std::string& message) {
    if (message.empty()) return message;
    const auto lastCharacterFirstByte =
        static_cast<unsigned char>(message[platform::lastCharacterStart(message)]);
    return lastCharacterFirstByte > 0x2E ? message + "." : message;
}

void showErrorBox(const std::string& title, const std::string& message) {
    QString text = displayText(errorBoxText(message));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Critical, displayText(title), text, QMessageBox::Ok);
    // A server message is never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
