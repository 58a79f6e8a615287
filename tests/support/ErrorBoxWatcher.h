#pragma once
// Watches for the application's error box while a test runs, notes what it shows and presses
// its OK button with the mouse, as a user would.

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <vector>

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    Qt::TextFormat textFormat;
    Qt::WindowModality modality;
    QMessageBox::StandardButtons standardButtons;
    qsizetype buttonCount;
    bool closedByOk = false;
};

class ErrorBoxWatcher {
public:
    ErrorBoxWatcher();
    const std::vector<ShownBox>& boxes() const { return boxes_; }
    // The texts of the boxes shown so far.
    std::vector<QString> texts() const;

private:
    void pressOk();

    QTimer timer_;
    QPointer<QMessageBox> lastBox_;
    std::vector<ShownBox> boxes_;
};
