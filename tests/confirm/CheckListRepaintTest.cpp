#include <gtest/gtest.h>

#include <QEventLoop>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "confirm/CheckListBox.h"

namespace {

// The area of a widget repainted since forget().
class PaintedArea : public QObject {
public:
    explicit PaintedArea(QWidget* widget) { widget->installEventFilter(this); }
    const QRegion& region() const { return region_; }
    void forget() { region_ = QRegion(); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) region_ += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QRegion region_;
};

// Lets the event loop finish what the last change left for it: delayed layouts and paints.
void settle() {
    QEventLoop loop;
    QTimer sentinel;
    sentinel.setSingleShot(true);
    QObject::connect(&sentinel, &QTimer::timeout, &loop, &QEventLoop::quit);
    sentinel.start(0);
    loop.exec();
    QCoreApplication::processEvents();
}

class RepaintTest : public testing::Test {
protected:
    void SetUp() override {
        list.resize(300, 200);
        list.addItems(std::vector<std::string>(1'000, "S0000001"));
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        settle();
        painted.forget();
    }

    bool repainted(int row) const {
        return painted.region().intersects(list.visualRect(list.model()->index(row, 0)));
    }

    TCheckListBox list;
    PaintedArea painted{list.viewport()};
};

TEST_F(RepaintTest, SelectAllRepaintsOnlyTheItemsItChanges) {
    for (int row = 0; row < 10; row += 2) list.setChecked(row, true);
    settle();
    painted.forget();

    list.setAllChecked(true);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !painted.region().isEmpty(); }));
    settle();

    for (int row = 0; row < 10; ++row) EXPECT_EQ(repainted(row), row % 2 == 1) << "row " << row;
}

TEST_F(RepaintTest, TickingOneItemRepaintsOnlyThatItem) {
    list.setChecked(3, true);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !painted.region().isEmpty(); }));
    settle();

    EXPECT_TRUE(repainted(3));
    EXPECT_FALSE(repainted(2));
    EXPECT_FALSE(repainted(4));
}

}  // namespace
