#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>
#include <vector>

#include "app/Application.h"
#include "support/ErrorBoxWatcher.h"

namespace {

Application& app() { return *static_cast<Application*>(QCoreApplication::instance()); }

class ErrorBox : public testing::Test {
protected:
    std::vector<QString> texts() const { return watcher_.texts(); }

    ErrorBoxWatcher watcher_;
};

TEST_F(ErrorBox, IsAModalStopBoxWithOneOkButtonTitledWithTheApplicationTitle) {
    app().handleException(std::make_exception_ptr(std::runtime_error("Unable to Load x.so")));
    ASSERT_EQ(watcher_.boxes().size(), 1u);
    const ShownBox& box = watcher_.boxes().front();
    EXPECT_EQ(box.title, "app_tests");
    EXPECT_EQ(box.text, "Unable to Load x.so.");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.modality, Qt::ApplicationModal);
    EXPECT_EQ(box.standardButtons, QMessageBox::Ok);
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_TRUE(box.closedByOk);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

struct ShownTextCase {
    const char* name;
    std::string message;
    QString shown;
};

void PrintTo(const ShownTextCase& row, std::ostream* out) { *out << row.name; }

class ErrorBoxShows : public ErrorBox, public testing::WithParamInterface<ShownTextCase> {};

TEST_P(ErrorBoxShows, TheMessageAsPlainText) {
    app().handleException(std::make_exception_ptr(std::runtime_error(GetParam().message)));
    ASSERT_EQ(watcher_.boxes().size(), 1u);
    EXPECT_EQ(watcher_.boxes().front().text, GetParam().shown);
    EXPECT_EQ(watcher_.boxes().front().textFormat, Qt::PlainText);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxShows,
    testing::Values(
        ShownTextCase{"CrLfIsALineBreak",
                      "dbExpress Error: [0x0015]: Connection failed\r\nSQL Server Error: down",
                      "dbExpress Error: [0x0015]: Connection failed\nSQL Server Error: down."},
        ShownTextCase{"Big5Decoded", "\xB3\x5C\xA5\x5C", QString::fromUtf8("許功.")},
        ShownTextCase{"UndecodableByteReplaced", "a\xFF", QString::fromUtf8("a\uFFFD.")},
        ShownTextCase{"MarkupNotInterpreted", "<b>bold</b>", "<b>bold</b>."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ErrorBox, CancelledShowsNothing) {
    app().handleException(std::make_exception_ptr(Cancelled()));
    EXPECT_TRUE(watcher_.boxes().empty());
}

TEST_F(ErrorBox, AnExceptionOfNoStandardTypeShowsAFixedText) {
    app().handleException(std::make_exception_ptr(42));
    EXPECT_EQ(texts(), std::vector<QString>{"Unknown error."});
}

// A widget whose handler fails the way the window's handlers do, run as they are run.
class FailingWidget : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override {
        Application::runHandler([] { throw std::runtime_error("Item 13 may not be changed"); });
    }
};

// A window with a failing widget and a working button beside it.
class EventWindow : public ErrorBox {
protected:
    EventWindow() {
        auto* layout = new QVBoxLayout(&window_);
        failing_ = new FailingWidget;
        failing_->setMinimumSize(100, 40);
        button_ = new QPushButton("OK");
        layout->addWidget(failing_);
        layout->addWidget(button_);
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    // A press delivered like one from the window system, through the window's event queue.
    void clickInWindow(QWidget* widget) {
        QWindow* handle = window_.windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, {},
                          widget->mapTo(&window_, widget->rect().center()));
    }

    QWidget window_;
    FailingWidget* failing_ = nullptr;
    QPushButton* button_ = nullptr;
};

TEST_F(EventWindow, AFailingHandlerReachesTheBoxAndTheApplicationGoesOn) {
    int clicks = 0;
    QObject::connect(button_, &QPushButton::clicked, [&clicks] { ++clicks; });
    clickInWindow(failing_);
    clickInWindow(failing_);
    clickInWindow(button_);
    EXPECT_EQ(texts(),
              (std::vector<QString>{"Item 13 may not be changed.", "Item 13 may not be changed."}));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(window_.isVisible());
}

TEST_F(EventWindow, AFailingClickHandlerReachesTheBox) {
    QObject::connect(button_, &QPushButton::clicked, [] {
        Application::runHandler([] { throw std::runtime_error("Missing Database property"); });
    });
    QTest::mouseClick(button_, Qt::LeftButton);
    EXPECT_EQ(texts(), std::vector<QString>{"Missing Database property."});
    EXPECT_FALSE(button_->isDown());
}

TEST_F(ErrorBox, AFailingSentEventReachesTheBox) {
    // The window runs its creation handler this way.
    class FailingObject : public QObject {
        bool event(QEvent*) override {
            Application::runHandler(
                [] { throw std::runtime_error("Missing DriverName property"); });
            return true;
        }
    } object;
    QEvent event(QEvent::User);
    EXPECT_TRUE(QCoreApplication::sendEvent(&object, &event));
    EXPECT_EQ(texts(), std::vector<QString>{"Missing DriverName property."});
}

}  // namespace
