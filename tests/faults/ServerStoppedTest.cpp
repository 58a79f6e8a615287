#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "FaultFixture.h"

namespace {

using testing::ElementsAre;
using testing::MatchesRegex;

// What the box shows once the server has gone: the driver fails at the statement or at the
// transaction it starts for it, on reading or on writing, as the dead socket allows.
const char* const kConnectionLost =
    R"(dbExpress Error: (\[0x0017\]: Statement|\[0x0019\]: Transaction) failed)"
    "\n"
    R"(SQL Server Error: Error (reading data from|writing data to) the connection\.)";

// Rows marked before the server is killed in the middle of a run: well inside it.
constexpr int kMarkedRowsBeforeStop = 400;

class ServerStopped : public FaultFixture {
protected:
    ServerStopped() {
        server.start();
        database = server.createDatabase();
        writeConnectionEntry(database, server.password());
    }

    testsupport::Session session() { return testsupport::Session(database, server.password()); }

    void addBills(const Ids& ids) {
        testsupport::Session s = session();
        FaultFixture::addBills(s, ids);
    }

    Marks marks() {
        testsupport::Session s = session();
        return FaultFixture::marks(s);
    }

    static int markedRows(testsupport::Session& observer) {
        return std::stoi(observer
                             .query("SELECT CAST(COUNT(*) AS VARCHAR(12)) FROM sal_temp "
                                    "WHERE tran_check = 'Y'")
                             .at(0)
                             .at(0)
                             .value());
    }

    // Kills the server once rows carry the mark, as a connection of its own sees them, or
    // once the run has ended short of that.
    void stopServerOnceMarked(int rows, const std::atomic<bool>& runEnded) {
        {
            testsupport::Session observer = session();
            while (!runEnded && markedRows(observer) < rows)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        server.stop();
    }

    testsupport::PrivateServer server;
    std::string database;
};

TEST_F(ServerStopped, BeforeConfirmingTheErrorIsShownAndTheWindowStaysAsItWas) {
    addBills({"A", "B", "C"});
    auto form = startWindow();
    ASSERT_EQ(listedIds(*form), (Ids{"A", "B", "C"}));
    server.stop();
    click(form->SpeedButton1);
    click(form->SpeedButton3);

    EXPECT_THAT(errorTexts(), ElementsAre(MatchesRegex(kConnectionLost)));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ticks(*form), std::vector<bool>(3, true));
    server.start();
    EXPECT_EQ(marks(), marksWhenConfirmed({"A", "B", "C"}, {}));
}

// The lost connection is not opened again: only a new start of the program reaches the server
// that came back.
TEST_F(ServerStopped, TheLostConnectionStaysLostUntilTheProgramStartsAgain) {
    addBills({"A", "B", "C"});
    auto form = startWindow();
    server.stop();
    click(form->SpeedButton1);
    click(form->SpeedButton3);
    server.start();
    click(form->SpeedButton3);

    EXPECT_THAT(errorTexts(),
                ElementsAre(MatchesRegex(kConnectionLost), MatchesRegex(kConnectionLost)));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ticks(*form), std::vector<bool>(3, true));
    EXPECT_EQ(marks(), marksWhenConfirmed({"A", "B", "C"}, {}));

    form.reset();
    auto restarted = startWindow();
    ASSERT_EQ(listedIds(*restarted), (Ids{"A", "B", "C"}));
    click(restarted->SpeedButton1);
    click(restarted->SpeedButton3);
    EXPECT_EQ(marks(), marksWhenConfirmed({"A", "B", "C"}, {"A", "B", "C"}));
    EXPECT_FALSE(restarted->isVisible());
}

TEST_F(ServerStopped, InALongRunExactlyAPrefixOfTheTickedBillsStaysMarked) {
    Ids ids;
    for (int i = 0; i < 2000; ++i) ids.push_back(QString::asprintf("B%04d", i).toStdString());
    addBills(ids);
    auto form = startWindow();
    ASSERT_EQ(listedIds(*form), ids);
    click(form->SpeedButton1);
    Ids ticked;
    for (int i = 0; i < int(ids.size()); ++i) {
        form->CheckListBox1->setChecked(i, i % 7 != 3);
        if (i % 7 != 3) ticked.push_back(ids[i]);
    }
    const std::vector<bool> before = ticks(*form);

    std::atomic<bool> runEnded = false;
    auto stopper = std::async(std::launch::async,
                              [&] { stopServerOnceMarked(kMarkedRowsBeforeStop, runEnded); });
    click(form->SpeedButton3);
    runEnded = true;
    stopper.get();

    EXPECT_THAT(errorTexts(), ElementsAre(MatchesRegex(kConnectionLost)));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ticks(*form), before);
    server.start();
    const Marks after = marks();
    const auto firstUnmarked = std::ranges::find_if(
        ticked, [&after](const std::string& id) { return after.at(id) != "YY"; });
    const Ids confirmed(ticked.begin(), firstUnmarked);
    EXPECT_EQ(after, marksWhenConfirmed(ids, confirmed));
    EXPECT_GE(int(confirmed.size()) * 2, kMarkedRowsBeforeStop);
    EXPECT_LT(confirmed.size(), ticked.size());
}

}  // namespace
