#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "BillDatabaseFixture.h"

namespace {

using std::nullopt;
using Ids = std::vector<std::string>;

class WriteBack : public BillDatabaseFixture {
protected:
    // A shown window listing ids (all pending for user u1), with the given items ticked.
    std::unique_ptr<TFormSalSendCheck> formListing(const Ids& ids, const std::vector<int>& ticked) {
        for (const std::string& id : ids) {
            addMaster(id, "u1");
            addTemp(id, nullopt, "UPDATE");
            addTemp(id, nullopt, "INSERT");
        }
        auto form = makeForm();
        form->listPendingBills("u1");
        for (int index : ticked) form->CheckListBox1->setChecked(index, true);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return form;
    }

    static void confirm(TFormSalSendCheck& form) {
        QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
    }

    // Rows of the bill that carry the mark, out of all its rows.
    std::string marks(const std::string& id) {
        std::string marks;
        for (const auto& row :
             db.query("SELECT tran_check FROM sal_temp WHERE masterbillid = '" + id + "'"))
            marks += row[0].value_or("-");
        return marks;
    }
};

TEST_F(WriteBack, MarksTheTickedBillsOnlyAndCloses) {
    auto form = formListing({"A", "B", "C"}, {0, 2});
    confirm(*form);
    EXPECT_EQ(confirmedIds(), (Ids{"A", "C"}));
    EXPECT_EQ(marks("A"), "YY");
    EXPECT_EQ(marks("B"), "--");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WriteBack, NothingTickedSendsNothingAndCloses) {
    auto form = formListing({"A", "B"}, {});
    confirm(*form);
    EXPECT_EQ(confirmedIds(), Ids{});
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WriteBack, EmptyListCloses) {
    auto form = formListing({}, {});
    confirm(*form);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WriteBack, MarksABillListedThroughItsDeleteRow) {
    addMaster("D1", "someone else");
    addTemp("D1", "Y", "DELETE");
    addTemp("D1", nullopt, "UPDATE");
    auto form = formListing({}, {});
    form->listPendingBills("u1");
    ASSERT_EQ(listedIds(*form), Ids{"D1"});
    form->CheckListBox1->setChecked(0, true);
    confirm(*form);
    EXPECT_EQ(marks("D1"), "YY");
}

TEST_F(WriteBack, HostileIdsUpdateExactlyTheirOwnRows) {
    const Ids ids = {"\xB3\x5C" "01", "a'b", "a", "b", "x' or '1'='1"};
    auto form = formListing(ids, {});
    ASSERT_EQ(form->CheckListBox1->count(), 5);
    for (int i = 0; i < form->CheckListBox1->count(); ++i) {
        const std::string& id = form->CheckListBox1->item(i);
        form->CheckListBox1->setChecked(i, id == "a'b" || id == "\xB3\x5C" "01");
    }
    confirm(*form);
    EXPECT_EQ(confirmedIds(), (Ids{"a'b", "\xB3\x5C" "01"}));
}

TEST_F(WriteBack, AFailingStatementStopsTheRunAndASecondPressCompletesIt) {
    auto form = formListing({"A", "B", "C"}, {0, 1, 2});
    db.execute("CREATE EXCEPTION e_locked 'bill is locked'");
    db.execute(
        "CREATE TRIGGER sal_temp_lock FOR sal_temp BEFORE UPDATE AS BEGIN "
        "IF (NEW.masterbillid = 'B') THEN EXCEPTION e_locked; END");

    confirm(*form);
    EXPECT_EQ(confirmedIds(), Ids{"A"});
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->CheckListBox1->checked(1));

    db.execute("DROP TRIGGER sal_temp_lock");
    confirm(*form);
    EXPECT_EQ(confirmedIds(), (Ids{"A", "B", "C"}));
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
