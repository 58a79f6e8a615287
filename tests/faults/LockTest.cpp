#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "FaultFixture.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::MatchesRegex;

const Ids kBills = {"A", "B", "C"};
const std::string kLockedBill = "B";

const char* const kUpdateConflict = R"(dbExpress Error: \[0x0017\]: Statement failed)"
                                    "\n"
                                    "SQL Server Error: deadlock\n"
                                    "update conflicts with concurrent update\n"
                                    R"(concurrent transaction number is [0-9]+\.)";

// The bill tables on the shared server, and another attachment holding an uncommitted update
// of the locked bill's rows.
class LockHeld : public FaultFixture {
protected:
    LockHeld() {
        db.createBillTables();
        testsupport::Session setup(db.database(), testsupport::sysdbaPassword());
        addBills(setup, kBills);
        holder.begin();
        holder.run("UPDATE sal_temp SET state = state WHERE masterbillid = '" + kLockedBill + "'");
    }

    // A shown window listing every bill, all ticked.
    std::unique_ptr<TFormSalSendCheck> startTickedWindow(const std::string& waitOnLocks) {
        writeConnectionEntry(db.database(), testsupport::sysdbaPassword(),
                             "WaitOnLocks=" + waitOnLocks + "\n");
        auto form = startWindow();
        EXPECT_EQ(listedIds(*form), kBills);
        click(form->SpeedButton1);
        return form;
    }

    // Confirms while another thread ends the holder's transaction once the program's update
    // waits for its lock, or once the run has ended without waiting. Whether it waited.
    bool confirmReleasingTheLockWith(TFormSalSendCheck& form, void (testsupport::Session::*end)()) {
        std::atomic<bool> runEnded = false;
        auto releaser = std::async(std::launch::async, [&] {
            const bool waited = awaitLockWait(runEnded);
            (holder.*end)();
            return waited;
        });
        click(form.SpeedButton3);
        runEnded = true;
        return releaser.get();
    }

    Marks marks() {
        testsupport::Session reader(db.database(), testsupport::sysdbaPassword());
        return FaultFixture::marks(reader);
    }

    testsupport::TestDatabase db;
    testsupport::Session holder{db.database(), testsupport::sysdbaPassword()};

private:
    bool awaitLockWait(const std::atomic<bool>& runEnded) {
        testsupport::Session monitor(db.database(), testsupport::sysdbaPassword());
        while (!runEnded) {
            if (someUpdateWaits(monitor)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return false;
    }

    static bool someUpdateWaits(testsupport::Session& monitor) {
        return monitor
                   .query(
                       "SELECT CAST(COUNT(*) AS VARCHAR(9)) FROM MON$STATEMENTS s "
                       "JOIN MON$RECORD_STATS r ON r.MON$STAT_ID = s.MON$STAT_ID "
                       "WHERE s.MON$STATE = 1 AND r.MON$RECORD_WAITS > 0")
                   .at(0)
                   .at(0) != "0";
    }
};

TEST_F(LockHeld, WithoutWaitingTheRunStopsAtTheLockedBillAndAPressAfterItsReleaseEndsIt) {
    auto form = startTickedWindow("False");
    click(form->SpeedButton3);

    EXPECT_THAT(errorTexts(), ElementsAre(MatchesRegex(kUpdateConflict)));
    EXPECT_EQ(marks(), marksWhenConfirmed(kBills, {"A"}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ticks(*form), std::vector<bool>(3, true));

    holder.rollback();
    click(form->SpeedButton3);
    EXPECT_EQ(marks(), marksWhenConfirmed(kBills, kBills));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(LockHeld, WaitingTheRunEndsOnceTheOtherTransactionRollsBack) {
    auto form = startTickedWindow("True");
    EXPECT_TRUE(confirmReleasingTheLockWith(*form, &testsupport::Session::rollback));

    EXPECT_THAT(errorTexts(), IsEmpty());
    EXPECT_EQ(marks(), marksWhenConfirmed(kBills, kBills));
    EXPECT_FALSE(form->isVisible());
}

// Under read committed, Firebird 3 rejects a waiting update once the other transaction
// commits its own change of the row; the run stops there as on any failure.
TEST_F(LockHeld, WaitingTheRunStopsWhenTheOtherTransactionCommits) {
    auto form = startTickedWindow("True");
    EXPECT_TRUE(confirmReleasingTheLockWith(*form, &testsupport::Session::commit));

    EXPECT_THAT(errorTexts(), ElementsAre(MatchesRegex(kUpdateConflict)));
    EXPECT_EQ(marks(), marksWhenConfirmed(kBills, {"A"}));
    EXPECT_TRUE(form->isVisible());

    click(form->SpeedButton3);
    EXPECT_EQ(marks(), marksWhenConfirmed(kBills, kBills));
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
