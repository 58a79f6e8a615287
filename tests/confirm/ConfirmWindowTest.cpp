#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>

#include "QtPrinters.h"
#include "confirm/FrmInstorageSendCheck.h"
#include "confirm/Placement.h"
#include "support/ErrorBoxWatcher.h"

namespace {

class ConfirmWindowTest : public testing::Test {
protected:
    // Every test builds the window here. Beside the test binary there is no Halvern.ini and
    // no dbxconnections.ini, so the user id is empty and the listing fails at the
    // configuration, before any server is asked.
    void SetUp() override {
        qunsetenv("DBX_CONNECTION_REGISTRY_FILE");
        form = std::make_unique<TFormSalSendCheck>();
        createErrors = errorBoxes.texts();
    }

    void showAndActivate() {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::vector<bool> states() const {
        std::vector<bool> result;
        for (int i = 0; i < form->CheckListBox1->count(); ++i) {
            result.push_back(form->CheckListBox1->checked(i));
        }
        return result;
    }

    ErrorBoxWatcher errorBoxes;
    std::unique_ptr<TFormSalSendCheck> form;
    std::vector<QString> createErrors;
};

struct ButtonLayout {
    const char* name;
    QPushButton* TFormSalSendCheck::*button;
    QFrame* TFormSalSendCheck::*panel;
    QRect geometry;
    const char* caption;
};

const ButtonLayout kButtons[] = {
    {"SpeedButton1", &TFormSalSendCheck::SpeedButton1, &TFormSalSendCheck::Panel1,
     QRect(8, 5, 56, 30), "全選"},
    {"SpeedButton2", &TFormSalSendCheck::SpeedButton2, &TFormSalSendCheck::Panel1,
     QRect(64, 5, 56, 30), "全不選"},
    {"SpeedButton4", &TFormSalSendCheck::SpeedButton4, &TFormSalSendCheck::Panel2,
     QRect(72, 4, 89, 33), "放棄確認"},
    {"SpeedButton3", &TFormSalSendCheck::SpeedButton3, &TFormSalSendCheck::Panel2,
     QRect(176, 4, 89, 33), "確認後離開"},
};

void expectLaidOutFor(const TFormSalSendCheck& form, QSize client) {
    const int w = client.width();
    const int h = client.height();
    EXPECT_EQ(form.size(), client);
    EXPECT_EQ(form.Panel1->geometry(), QRect(0, 0, w, 41));
    EXPECT_EQ(form.Panel3->geometry(), QRect(0, 41, w, h - 82));
    EXPECT_EQ(form.Panel2->geometry(), QRect(0, h - 41, w, 41));
    EXPECT_EQ(form.CheckListBox1->parentWidget(), form.Panel3);
    EXPECT_EQ(form.CheckListBox1->geometry(), QRect(1, 1, w - 2, h - 84));
    for (const ButtonLayout& b : kButtons) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ((form.*b.button)->parentWidget(), form.*b.panel);
        EXPECT_EQ((form.*b.button)->geometry(), b.geometry);
    }
}

TEST_F(ConfirmWindowTest, IsBuiltAsLaidOut) {
    showAndActivate();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("銷貨單據回傳確認"));
    expectLaidOutFor(*form, QSize(337, 362));
    for (const ButtonLayout& b : kButtons) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ((form.get()->*b.button)->text(), QString::fromUtf8(b.caption));
    }
    for (const QFrame* panel : {form->Panel1, form->Panel2, form->Panel3}) {
        EXPECT_EQ(panel->frameShape(), QFrame::Panel);
        EXPECT_EQ(panel->frameShadow(), QFrame::Raised);
        EXPECT_EQ(panel->lineWidth(), 1);
    }
}

class ResizeTest : public ConfirmWindowTest, public testing::WithParamInterface<QSize> {};

TEST_P(ResizeTest, BarsKeepTheirHeightAndButtonsTheirPlaces) {
    showAndActivate();
    form->resize(GetParam());
    QTRY_COMPARE(form->Panel2->y(), GetParam().height() - 41);
    expectLaidOutFor(*form, GetParam());
}

INSTANTIATE_TEST_SUITE_P(ConfirmWindow, ResizeTest,
                         testing::Values(QSize(600, 500), QSize(200, 300), QSize(337, 700)),
                         [](const auto& info) {
                             return "Size" + std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

TEST_F(ConfirmWindowTest, UsesTheWindowFontAndAMingListFontThatShowsBig5) {
    EXPECT_EQ(form->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form->font().pixelSize(), 11);
    EXPECT_EQ(form->SpeedButton1->font().pixelSize(), 11);

    const QFont listFont = form->CheckListBox1->font();
    EXPECT_EQ(listFont.family(), QStringLiteral("細明體"));
    EXPECT_EQ(listFont.pixelSize(), 15);
    const QString shown = QFontInfo(listFont).family();
    EXPECT_TRUE(shown == QStringLiteral("細明體") || shown == QStringLiteral("AR PL UMing TW"))
        << shown.toStdString();
    EXPECT_TRUE(QFontMetrics(listFont).inFontUcs4(U'貨'));

    form->CheckListBox1->addItems({"S1"});
    EXPECT_EQ(form->CheckListBox1->sizeHintForRow(0), QFontMetrics(listFont).height());
}

// As at start: filled while the window is built, then shown and given the focus.
TEST_F(ConfirmWindowTest, ListFilledBeforeShowingHasNothingSelectedOrCurrent) {
    form->CheckListBox1->addItems({"S1", "S2", "S3"});
    showAndActivate();
    ASSERT_TRUE(form->CheckListBox1->hasFocus());
    EXPECT_FALSE(form->CheckListBox1->currentIndex().isValid());

    QTest::keyClick(form->CheckListBox1, Qt::Key_Space);
    EXPECT_EQ(states(), std::vector<bool>(3, false));
    EXPECT_EQ(form->CheckListBox1->itemIndex(), -1);

    QTest::keyClick(form->CheckListBox1, Qt::Key_Down);
    EXPECT_EQ(form->CheckListBox1->itemIndex(), 0);
}

TEST_F(ConfirmWindowTest, OnlyTheListTakesTheFocus) {
    showAndActivate();
    EXPECT_TRUE(form->CheckListBox1->hasFocus());
    for (const ButtonLayout& b : kButtons) {
        SCOPED_TRACE(b.name);
        const QPushButton* button = form.get()->*b.button;
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
        EXPECT_FALSE(button->text().contains('&'));
    }
    for (const QFrame* panel : {form->Panel1, form->Panel2, form->Panel3}) {
        EXPECT_EQ(panel->focusPolicy(), Qt::NoFocus);
    }

    QTest::keyClick(form->CheckListBox1, Qt::Key_Tab);
    EXPECT_TRUE(form->CheckListBox1->hasFocus());
    QTest::keyClick(form->CheckListBox1, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(form->CheckListBox1->hasFocus());
}

TEST_F(ConfirmWindowTest, ClickingASelectionButtonLeavesTheFocusOnTheList) {
    form->CheckListBox1->addItems({"S1"});
    showAndActivate();
    click(form->SpeedButton1);
    EXPECT_TRUE(form->CheckListBox1->hasFocus());
    click(form->SpeedButton2);
    EXPECT_TRUE(form->CheckListBox1->hasFocus());
}

TEST_F(ConfirmWindowTest, SelectAllAndSelectNoneButtonsTickEveryItem) {
    form->CheckListBox1->addItems({"S1", "S2", "S3"});
    form->CheckListBox1->setChecked(1, true);
    showAndActivate();

    click(form->SpeedButton1);
    EXPECT_EQ(states(), std::vector<bool>(3, true));
    click(form->SpeedButton2);
    EXPECT_EQ(states(), std::vector<bool>(3, false));
}

TEST_F(ConfirmWindowTest, SelectionButtonsDoNothingOnAnEmptyList) {
    showAndActivate();
    QSignalSpy changes(form->CheckListBox1->model(), &QAbstractItemModel::dataChanged);
    click(form->SpeedButton1);
    click(form->SpeedButton2);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(form->CheckListBox1->count(), 0);
}

struct CloseCase {
    const char* name;
    std::function<void(TFormSalSendCheck&)> close;
};

void PrintTo(const CloseCase& row, std::ostream* os) { *os << row.name; }

class CloseTest : public ConfirmWindowTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, ClosingEndsTheProgramAndWritesNothing) {
    form->CheckListBox1->addItems({"S1", "S2"});
    showAndActivate();
    click(form->SpeedButton1);

    // Closing the main window ends the event loop.
    QTimer::singleShot(0, form.get(), [this] { GetParam().close(*form); });
    EXPECT_EQ(QApplication::exec(), 0);

    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->SQLConnection1.connected());
    EXPECT_TRUE(form->SQLQuery1.sql.empty());
    EXPECT_FALSE(form->testAttribute(Qt::WA_DeleteOnClose));
}

INSTANTIATE_TEST_SUITE_P(
    ConfirmWindow, CloseTest,
    testing::Values(CloseCase{"GiveUpButton",
                              [](TFormSalSendCheck& form) {
                                  QTest::mouseClick(form.SpeedButton4, Qt::LeftButton);
                              }},
                    CloseCase{"CloseBox",
                              [](TFormSalSendCheck& form) { form.windowHandle()->close(); }}),
    RowName());

TEST_F(ConfirmWindowTest, FormCreateFailureReachesTheApplicationAndTheWindowStillOpens) {
    ASSERT_EQ(createErrors.size(), 1u);
    EXPECT_TRUE(createErrors.front().startsWith("Driver/Connection Registry File '"));
    EXPECT_EQ(FormSalSendCheck, form.get());
    EXPECT_EQ(form->CheckListBox1->count(), 0);
    EXPECT_FALSE(form->SQLConnection1.connected());

    showAndActivate();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ConfirmWindowTest, TheInstancePointerGoesWithTheWindow) {
    form.reset();
    EXPECT_EQ(FormSalSendCheck, nullptr);
}

TEST_F(ConfirmWindowTest, IsWiredToItsDatabaseComponents) {
    EXPECT_EQ(form->SQLDataSet1.sqlConnection, &form->SQLConnection1);
    EXPECT_EQ(form->DataSetProvider1.dataSet, &form->SQLDataSet1);
    EXPECT_EQ(form->ClientDataSet1.provider, &form->DataSetProvider1);
    EXPECT_EQ(form->SQLQuery1.sqlConnection, &form->SQLConnection1);
    EXPECT_EQ(form->SQLConnection1.params.value("User_Name"), "sysdba");
    EXPECT_EQ(form->SQLConnection1.params.entries().size(), 14u);
}

TEST_F(ConfirmWindowTest, FirstShowingCentresOnTheDesktopLaterShowingsKeepThePlace) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QSize desktop = primary->virtualGeometry().size();

    form->showCentred();
    EXPECT_EQ(form->pos(), primary->geometry().topLeft() + centredOffset(desktop, {345, 396}));

    form->move(10, 20);
    form->hide();
    form->showCentred();
    EXPECT_EQ(form->pos(), QPoint(10, 20));
}

struct OffsetCase {
    const char* name;
    QSize desktop;
    QPoint offset;
};

void PrintTo(const OffsetCase& row, std::ostream* os) { *os << row.name; }

class CentredOffsetTest : public testing::TestWithParam<OffsetCase> {};

TEST_P(CentredOffsetTest, HalvesTowardsZeroAndNeverGoesNegative) {
    EXPECT_EQ(centredOffset(GetParam().desktop, QSize(345, 396)), GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(
    Placement, CentredOffsetTest,
    testing::Values(OffsetCase{"FullHd", QSize(1920, 1080), QPoint(787, 342)},
                    OffsetCase{"OddRemainderDropped", QSize(1921, 1081), QPoint(788, 342)},
                    OffsetCase{"TwoMonitorsSideBySide", QSize(3840, 1080), QPoint(1747, 342)},
                    OffsetCase{"OnePixelSmallerThanTheWindow", QSize(344, 395), QPoint(0, 0)},
                    OffsetCase{"MuchSmallerThanTheWindow", QSize(200, 100), QPoint(0, 0)}),
    RowName());

}  // namespace
