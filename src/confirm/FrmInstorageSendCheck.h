#pragma once
// The confirmation window: the pending bills of the user as a list of check boxes, buttons to
// tick all or none, to confirm (mark every ticked bill in the database, then close) and to give
// up. It owns the database components. Handlers throw on failure; the application's event
// dispatch shows the error.

#include <QEvent>
#include <QWidget>
#include <memory>
#include <string>

#include "confirm/CheckListBox.h"
#include "db/DataSets.h"
#include "db/SqlConnection.h"

class QFrame;
class QPushButton;

class TFormSalSendCheck : public QWidget {
    Q_OBJECT

public:
    // The event that runs FormCreate through the application's event dispatch.
    static QEvent::Type formCreateEvent();

    explicit TFormSalSendCheck(QWidget* parent = nullptr);
    ~TFormSalSendCheck() override;

    // Puts the window at the centre of the whole desktop and shows it.
    void showCentred();

    QFrame* Panel1 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* SpeedButton4 = nullptr;
    QPushButton* SpeedButton3 = nullptr;
    QFrame* Panel3 = nullptr;
    TCheckListBox* CheckListBox1 = nullptr;

    // Declared in creation order; destroyed in reverse, the connection last.
    db::SqlConnection SQLConnection1{"SQLConnection1"};
    db::SqlDataSet SQLDataSet1;
    db::DataSetProvider DataSetProvider1;
    db::ClientDataSet ClientDataSet1;
    db::SqlQuery SQLQuery1;

    void FormCreate();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

    // The second step of FormCreate: lists the bills pending for userId.
    void listPendingBills(const std::string& userId);

protected:
    bool event(QEvent* event) override;

private:
    void buildControls();
    QFrame* buildTopBar();
    QFrame* buildListPanel();
    QFrame* buildBottomBar();
    void wireDatabaseComponents();
    void connectHandler(QPushButton* button, void (TFormSalSendCheck::*handler)());

    bool placed_ = false;
};

// The application's one window.
extern TFormSalSendCheck* FormSalSendCheck;
