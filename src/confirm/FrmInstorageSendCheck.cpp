#include "confirm/FrmInstorageSendCheck.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/Application.h"
#include "app/UserId.h"
#include "confirm/Placement.h"
#include "db/ConfigurationPaths.h"

TFormSalSendCheck* FormSalSendCheck = nullptr;

namespace {

constexpr QSize kClientSize(337, 362);
constexpr QSize kOuterSize(345, 396);
constexpr int kBarHeight = 41;

QFrame* makePanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

QPushButton* makeButton(const char* caption, QRect geometry, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

// The list's font names a Ming face that only Traditional Chinese systems have; elsewhere the
// name falls back to a Ming face that shows Big5 text.
QFont listFont() {
    const QString family = QStringLiteral("細明體");
    if (!QFontDatabase::hasFamily(family)) {
        QFont::insertSubstitution(family, QStringLiteral("AR PL UMing TW"));
    }
    QFont font(family);
    font.setPixelSize(15);
    return font;
}

QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

// The desktop spans every monitor and is measured from the primary monitor's top left.
QPoint centredPosition() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary->geometry().topLeft() +
           centredOffset(primary->virtualGeometry().size(), kOuterSize);
}

}  // namespace

QEvent::Type TFormSalSendCheck::formCreateEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

TFormSalSendCheck::TFormSalSendCheck(QWidget* parent) : QWidget(parent) {
    buildControls();
    wireDatabaseComponents();
    FormSalSendCheck = this;
    // The window's creation event; an error leaving FormCreate is shown before the window
    // opens, and the window still opens.
    QEvent create(formCreateEvent());
    QCoreApplication::sendEvent(this, &create);
}

TFormSalSendCheck::~TFormSalSendCheck() {
    if (FormSalSendCheck == this) FormSalSendCheck = nullptr;
}

void TFormSalSendCheck::showCentred() {
    if (!placed_) {
        move(centredPosition());
        placed_ = true;
    }
    show();
}

bool TFormSalSendCheck::event(QEvent* event) {
    if (event->type() != formCreateEvent()) return QWidget::event(event);
    Application::runHandler([this] { FormCreate(); });
    return true;
}

void TFormSalSendCheck::buildControls() {
    setWindowTitle(QStringLiteral("銷貨單據回傳確認"));
    setFont(windowFont());
    resize(kClientSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());
    layout->addWidget(buildListPanel(), 1);
    layout->addWidget(buildBottomBar());
    CheckListBox1->setFocus();
}

QFrame* TFormSalSendCheck::buildTopBar() {
    Panel1 = makePanel(this);
    Panel1->setFixedHeight(kBarHeight);
    SpeedButton1 = makeButton("全選", QRect(8, 5, 56, 30), Panel1);
    SpeedButton2 = makeButton("全不選", QRect(64, 5, 56, 30), Panel1);
    connectHandler(SpeedButton1, &TFormSalSendCheck::SpeedButton1Click);
    connectHandler(SpeedButton2, &TFormSalSendCheck::SpeedButton2Click);
    return Panel1;
}

QFrame* TFormSalSendCheck::buildBottomBar() {
    Panel2 = makePanel(this);
    Panel2->setFixedHeight(kBarHeight);
    SpeedButton4 = makeButton("放棄確認", QRect(72, 4, 89, 33), Panel2);
    SpeedButton3 = makeButton("確認後離開", QRect(176, 4, 89, 33), Panel2);
    connectHandler(SpeedButton4, &TFormSalSendCheck::SpeedButton4Click);
    connectHandler(SpeedButton3, &TFormSalSendCheck::SpeedButton3Click);
    return Panel2;
}

QFrame* TFormSalSendCheck::buildListPanel() {
    Panel3 = makePanel(this);
    CheckListBox1 = new TCheckListBox(Panel3);
    CheckListBox1->setFont(listFont());
    auto* layout = new QHBoxLayout(Panel3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CheckListBox1);
    return Panel3;
}

void TFormSalSendCheck::connectHandler(QPushButton* button, void (TFormSalSendCheck::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { Application::runHandler([this, handler] { (this->*handler)(); }); });
}

void TFormSalSendCheck::wireDatabaseComponents() {
    SQLConnection1.params = db::carriedParams();
    SQLConnection1.setConnectionFile(db::connectionFilePath());
    SQLDataSet1.sqlConnection = &SQLConnection1;
    SQLDataSet1.maxBlobSize = -1;
    DataSetProvider1.dataSet = &SQLDataSet1;
    ClientDataSet1.provider = &DataSetProvider1;
    SQLQuery1.sqlConnection = &SQLConnection1;
}

void TFormSalSendCheck::FormCreate() {
    const std::string userId = readUserId();
    listPendingBills(userId);
}

void TFormSalSendCheck::SpeedButton1Click() { CheckListBox1->setAllChecked(true); }

void TFormSalSendCheck::SpeedButton2Click() { CheckListBox1->setAllChecked(false); }

void TFormSalSendCheck::SpeedButton4Click() { close(); }
