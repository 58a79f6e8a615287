#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "QtPrinters.h"
#include "confirm/CheckListBox.h"

namespace {

// A list whose type-ahead clock the test moves by hand.
class ListWithClock : public TCheckListBox {
public:
    qint64 now = 1'000'000;

protected:
    qint64 msecsNow() const override { return now; }
};

using Ranges = std::vector<std::pair<int, int>>;

Ranges changedRanges(const QSignalSpy& spy) {
    Ranges ranges;
    for (const QList<QVariant>& arguments : spy) {
        ranges.emplace_back(arguments.at(0).toModelIndex().row(),
                            arguments.at(1).toModelIndex().row());
    }
    return ranges;
}

class CheckListBoxTest : public testing::Test {
protected:
    void SetUp() override {
        list.resize(300, 200);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    void focusList() {
        list.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
        ASSERT_TRUE(list.hasFocus());
    }

    QPoint pointIn(int row, int x) const {
        const QRect rect = list.visualRect(list.model()->index(row, 0));
        return {rect.left() + x, rect.center().y()};
    }
    void pressAt(int row, int x) {
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, pointIn(row, x));
    }
    void releaseAt(int row, int x) {
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, pointIn(row, x));
    }
    void clickAt(int row, int x) {
        pressAt(row, x);
        releaseAt(row, x);
    }
    // Through the window, so the second press and the double click arrive as the platform
    // delivers them.
    void doubleClickAt(int row, int x) {
        const QPoint inWindow = list.viewport()->mapTo(&list, pointIn(row, x));
        QTest::mouseDClick(list.windowHandle(), Qt::LeftButton, {}, inWindow);
    }
    void type(const QString& text) {
        QTest::sendKeyEvent(QTest::Click, &list, Qt::Key_unknown, text, Qt::NoModifier);
    }

    std::vector<bool> states() const {
        std::vector<bool> result;
        for (int i = 0; i < list.count(); ++i) result.push_back(list.checked(i));
        return result;
    }
    void setStates(const std::vector<bool>& wanted) {
        for (int i = 0; i < static_cast<int>(wanted.size()); ++i) list.setChecked(i, wanted[i]);
    }
    int textX() const { return list.checkStripWidth() + 5; }

    ListWithClock list;
};

TEST_F(CheckListBoxTest, AddsItemsUntickedWithNothingSelectedOrCurrent) {
    list.addItems({"S001", "S002"});
    list.addItems({"S003"});
    focusList();

    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(2), "S003");
    EXPECT_EQ(states(), std::vector<bool>(3, false));
    EXPECT_EQ(list.itemIndex(), -1);
    EXPECT_FALSE(list.currentIndex().isValid());

    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(states(), std::vector<bool>(3, false));
    EXPECT_EQ(list.itemIndex(), -1);
}

TEST_F(CheckListBoxTest, SpaceRightAfterFillingOnlySelectsAnIdBeginningWithABlank) {
    list.addItems({"S001", " S002"});
    focusList();

    QTest::keyClick(&list, Qt::Key_Space);

    EXPECT_EQ(states(), std::vector<bool>(2, false));
    EXPECT_EQ(list.itemIndex(), 1);
}

TEST_F(CheckListBoxTest, ShowsIdsDecodedFromBig5WithTheirTicks) {
    list.addItems({"\xA4\xA4\xA4\xE5-7", "S2"});
    list.setChecked(1, true);
    const QAbstractItemModel* model = list.model();

    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("中文-7"));
    EXPECT_EQ(model->index(0, 0).data(Qt::CheckStateRole), Qt::Unchecked);
    EXPECT_EQ(model->index(1, 0).data(Qt::CheckStateRole), Qt::Checked);
    EXPECT_EQ(list.item(0), "\xA4\xA4\xA4\xE5-7");
}

TEST_F(CheckListBoxTest, ClearDropsItemsWithTheirTicks) {
    list.addItems({"S1", "S2"});
    list.setAllChecked(true);
    list.clear();
    EXPECT_EQ(list.count(), 0);

    list.addItems({"S3", "S4", "S5"});
    EXPECT_EQ(states(), std::vector<bool>(3, false));
    EXPECT_EQ(list.item(0), "S3");
}

TEST_F(CheckListBoxTest, ItemHeightFollowsTheFont) {
    QFont font = list.font();
    font.setPixelSize(40);
    list.setFont(font);
    list.addItems({"S1"});
    EXPECT_EQ(list.sizeHintForRow(0), QFontMetrics(font).height());
}

// --- Mouse ---------------------------------------------------------------------------------

struct PressCase {
    const char* name;
    bool fromStripEnd;  // x counts from the strip's right end, else from the item's left
    int offset;
    bool toggles;
};

void PrintTo(const PressCase& row, std::ostream* os) { *os << row.name; }

class PressTest : public CheckListBoxTest, public testing::WithParamInterface<PressCase> {};

TEST_P(PressTest, TogglesAtThePressOnlyOnTheCheckStripAndAlwaysSelects) {
    const PressCase& c = GetParam();
    list.addItems({"S1", "S2", "S3"});
    const int x = (c.fromStripEnd ? list.checkStripWidth() : 0) + c.offset;

    pressAt(1, x);
    EXPECT_EQ(list.checked(1), c.toggles);
    EXPECT_EQ(list.itemIndex(), 1);
    releaseAt(1, x);
    EXPECT_EQ(states(), (std::vector<bool>{false, c.toggles, false}));

    clickAt(1, x);
    EXPECT_FALSE(list.checked(1));
}

INSTANTIATE_TEST_SUITE_P(CheckListBox, PressTest,
                         testing::Values(PressCase{"StripLeftEdge", false, 0, true},
                                         PressCase{"StripLastPixel", true, -1, true},
                                         PressCase{"TextFirstPixel", true, 0, false},
                                         PressCase{"TextFarRight", true, 150, false}),
                         RowName());

TEST_F(CheckListBoxTest, RightPressOnTheStripDoesNotToggle) {
    list.addItems({"S1"});
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, pointIn(0, 1));
    EXPECT_FALSE(list.checked(0));
}

TEST_F(CheckListBoxTest, DoubleClickOnTheBoxTogglesTwice) {
    list.addItems({"S1", "S2"});
    QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);

    doubleClickAt(1, 1);

    EXPECT_EQ(changedRanges(changes), (Ranges{{1, 1}, {1, 1}}));
    EXPECT_EQ(states(), (std::vector<bool>{false, false}));
}

TEST_F(CheckListBoxTest, DoubleClickOnTheTextOnlySelects) {
    list.addItems({"S1", "S2"});
    QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);

    doubleClickAt(1, textX());

    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(list.itemIndex(), 1);
}

// --- Select all / none ---------------------------------------------------------------------

struct SetAllCase {
    const char* name;
    std::vector<bool> before;
    bool checked;
    Ranges signalled;
};

void PrintTo(const SetAllCase& row, std::ostream* os) { *os << row.name; }

class SetAllTest : public CheckListBoxTest, public testing::WithParamInterface<SetAllCase> {};

TEST_P(SetAllTest, SetsEveryItemAndSignalsOnlyRunsOfChangedItems) {
    const SetAllCase& c = GetParam();
    list.addItems(std::vector<std::string>(c.before.size(), "S"));
    setStates(c.before);
    QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);

    list.setAllChecked(c.checked);

    EXPECT_EQ(states(), std::vector<bool>(c.before.size(), c.checked));
    EXPECT_EQ(changedRanges(changes), c.signalled);
}

INSTANTIATE_TEST_SUITE_P(CheckListBox, SetAllTest,
                         testing::Values(SetAllCase{"EmptyList", {}, true, {}},
                                         SetAllCase{
                                             "AllFromNone", {false, false, false}, true, {{0, 2}}},
                                         SetAllCase{"AllFromMixed",
                                                    {false, true, false, false, true, true, false},
                                                    true,
                                                    {{0, 0}, {2, 3}, {6, 6}}},
                                         SetAllCase{"NoneFromMixed",
                                                    {false, true, false, false, true, true, false},
                                                    false,
                                                    {{1, 1}, {4, 5}}},
                                         SetAllCase{"AllWhenAllTicked", {true, true}, true, {}},
                                         SetAllCase{"NoneWhenNoneTicked", {false}, false, {}}),
                         RowName());

TEST_F(CheckListBoxTest, SelectAllOverAHundredThousandItemsSignalsOneRun) {
    list.addItems(std::vector<std::string>(100'000, "S0000001"));
    QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);

    list.setAllChecked(true);

    EXPECT_EQ(changedRanges(changes), (Ranges{{0, 99'999}}));
    EXPECT_TRUE(list.checked(99'999));
}

TEST_F(CheckListBoxTest, SelectAllThenUntickingOneByHandLeavesTheOthersTicked) {
    list.addItems({"S1", "S2", "S3", "S4"});
    list.setAllChecked(true);

    clickAt(2, 1);

    EXPECT_EQ(states(), (std::vector<bool>{true, true, false, true}));
}

// --- Keyboard ------------------------------------------------------------------------------

TEST_F(CheckListBoxTest, SpaceTogglesTheSelectedItem) {
    list.addItems({"S1", "S2", "S3"});
    clickAt(1, textX());

    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(states(), (std::vector<bool>{false, true, false}));
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_EQ(states(), (std::vector<bool>{false, false, false}));
}

TEST_F(CheckListBoxTest, SpaceTogglesAndThenJoinsTheSearchText) {
    list.addItems({"A1", "A 2"});
    type("a");
    ASSERT_EQ(list.itemIndex(), 0);

    QTest::keyClick(&list, Qt::Key_Space);

    EXPECT_EQ(states(), (std::vector<bool>{true, false}));
    EXPECT_EQ(list.itemIndex(), 1);
}

// One key: text to type, or "\b" for Backspace, after a pause in milliseconds.
struct Key {
    QString text;
    qint64 pause = 0;
};

struct TypeAheadCase {
    const char* name;
    std::vector<Key> keys;
    int selected;
};

void PrintTo(const TypeAheadCase& row, std::ostream* os) { *os << row.name; }

class TypeAheadTest : public CheckListBoxTest, public testing::WithParamInterface<TypeAheadCase> {};

TEST_P(TypeAheadTest, SelectsTheFirstItemBeginningWithTheSearchText) {
    list.addItems({
        "A100",                // 0
        "ab200",               // 1
        "AB300",               // 2
        "b1",                  // 3
        "B22",                 // 4
        "\xA4\x61-1",          // 5: 兀, trail byte 'a'
        "\xA4\x41-2",          // 6: 乙, trail byte 'A'
        "\xA4\xA4\xA4\xE5-3",  // 7: 中文
        "\xA4\xA4\xB0\xEA-4",  // 8: 中國
    });
    for (const Key& key : GetParam().keys) {
        list.now += key.pause;
        if (key.text == "\b") {
            QTest::keyClick(&list, Qt::Key_Backspace);
        } else {
            type(key.text);
        }
    }
    EXPECT_EQ(list.itemIndex(), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(
    CheckListBox, TypeAheadTest,
    testing::Values(
        TypeAheadCase{"OneLetter", {{"b"}}, 3},
        TypeAheadCase{"UpperCaseFindsLowerCase", {{"A"}, {"B"}}, 1},
        TypeAheadCase{"LowerCaseFindsUpperCase", {{"a"}, {"b"}, {"3"}}, 2},
        TypeAheadCase{"NoMatchKeepsTheSelection", {{"a"}, {"x"}}, 0},
        TypeAheadCase{"NoMatchAtFirstSelectsNothing", {{"z"}}, -1},
        TypeAheadCase{"DoubleByteText", {{"中"}, {"國"}}, 8},
        TypeAheadCase{"TrailBytesAreNotFolded", {{"乙"}}, 6},
        TypeAheadCase{"KeysWithinHalfASecondJoin", {{"a"}, {"b", 499}}, 1},
        TypeAheadCase{"HalfASecondStartsAfresh", {{"a"}, {"b", 500}}, 3},
        TypeAheadCase{"BackspaceRemovesTheLastCharacter", {{"a"}, {"b"}, {"3"}, {"\b"}}, 1},
        TypeAheadCase{"BackspaceRemovesAWholeDoubleByteCharacter", {{"中"}, {"國"}, {"\b"}}, 7},
        TypeAheadCase{"BackspaceToEmptySelectsTheFirstItem", {{"b"}, {"\b"}}, 0},
        TypeAheadCase{"BackspaceAfterAPauseSelectsTheFirstItem", {{"b"}, {"2"}, {"\b", 600}}, 0}),
    RowName());

}  // namespace
