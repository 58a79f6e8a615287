// Ids that try to leave their string literal: each must be listed and confirmed as exactly
// itself, byte for byte, and reach no other bill's rows.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <string>

#include "BillDatabaseFixture.h"

namespace {

using Ids = std::vector<std::string>;

struct HostileId {
    const char* name;
    std::string id;
};

void PrintTo(const HostileId& row, std::ostream* out) { *out << row.name; }

// "\xB3\x5C" is "許", whose trail byte is a backslash; "\xB3" alone is a lead byte without its
// trail byte.
const HostileId kHostileIds[] = {
    {"Quote", "a'b"},
    {"QuotesOnly", "''"},
    {"OrAlwaysTrue", "a' or 'x'='x"},
    {"SecondStatement", "a'; DELETE FROM sal_temp; --"},
    {"LineComment", "a' --"},
    {"BlockComment", "a' /*"},
    {"LineBreaks", "a\r\n' or 1=1\n--"},
    {"Backslash", "a\\' or 'x'='x"},
    {"TrailByteBackslash", "\xB3\x5C"},
    {"TrailByteBackslashBeforeQuote", "\xB3\x5C' or 'x'='x"},
    {"LoneLeadByteBeforeQuote", "\xB3' or 'x'='x"},
    {"LoneLeadByteAtTheEnd", "a\xB3"},
};

// The neighbours' ids are what a literal that leaks would reach.
const Ids kNeighbours = {"a", "b", "x"};

class HostileIdBills : public BillDatabaseFixture {
protected:
    // Every bill pending for user u1, and the hostile one for the user of the same id.
    void addBills(const std::string& hostile) {
        for (const std::string& id : kNeighbours) addPendingBill(id, "u1");
        addPendingBill(hostile, hostile);
    }
    void addPendingBill(const std::string& id, const std::string& user) {
        addMaster(id, user);
        addTemp(id, std::nullopt, "UPDATE");
        addTemp(id, std::nullopt, "INSERT");
    }
    std::size_t markedRows() {
        return db.query("SELECT masterbillid FROM sal_temp WHERE tran_check = 'Y'").size();
    }
};

class HostileIds : public HostileIdBills, public testing::WithParamInterface<HostileId> {};

TEST_P(HostileIds, ListedAndConfirmedAsExactlyThemselves) {
    const std::string& hostile = GetParam().id;
    auto form = makeForm();
    addBills(hostile);

    form->listPendingBills(hostile);
    ASSERT_EQ(listedIds(*form), Ids{hostile});

    form->CheckListBox1->setChecked(0, true);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(form->SpeedButton3, Qt::LeftButton);

    EXPECT_EQ(confirmedIds(), Ids{hostile});
    EXPECT_EQ(markedRows(), 2u);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(errorBoxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Ids, HostileIds, testing::ValuesIn(kHostileIds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostileIdBills, LongestUserIdOfQuotesIsOneLiteral) {
    auto form = makeForm();
    addPendingBill("a", "u1");
    addTemp("D", std::nullopt, "DELETE");

    form->listPendingBills(std::string(2047, '\''));

    EXPECT_EQ(listedIds(*form), Ids{"D"});
}

}  // namespace
