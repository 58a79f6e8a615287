// The demo as tools/make-demo.sh lays it out (run twice over the same folder, as a second
// tools/demo.sh does): the database holds the bills the README describes, and the window,
// configured from the demo's files, lists exactly the demo user's pending bills.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "confirm/FrmInstorageSendCheck.h"
#include "platform/Platform.h"
#include "support/ErrorBoxWatcher.h"
#include "support/TestDatabase.h"

namespace {

using Ids = std::vector<std::string>;

std::string big5(const char* utf8) { return platform::utf8ToAnsi(utf8); }

Ids big5(const std::vector<const char*>& utf8) {
    Ids ids;
    for (const char* text : utf8) ids.push_back(big5(text));
    return ids;
}

class Demo : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<testsupport::TempDir>();
        for (int run = 0; run < 2; ++run) ASSERT_EQ(std::system(makeDemoCommand().c_str()), 0);
        testsupport::writeFile(folder_->file("dbxdrivers.ini"),
                               "[Interbase]\nLibraryName=" + testsupport::binDir() +
                                   "/libdbxfb.so\nVendorLib=libfbclient.so.2\n"
                                   "GetDriverFunc=getSQLDriverINTERBASE\n");
    }
    static void TearDownTestSuite() { folder_.reset(); }

    // The window's creation runs the query too, for the test program's own (empty) user id.
    void SetUp() override {
        setenv("DBX_CONNECTION_REGISTRY_FILE", demoFile("dbxconnections.ini").c_str(), 1);
        setenv("DBX_DRIVER_REGISTRY_FILE", folder_->file("dbxdrivers.ini").c_str(), 1);
        form_ = std::make_unique<TFormSalSendCheck>();
    }
    void TearDown() override {
        form_.reset();
        unsetenv("DBX_CONNECTION_REGISTRY_FILE");
        unsetenv("DBX_DRIVER_REGISTRY_FILE");
        EXPECT_TRUE(errorBoxes_.texts().empty()) << errorBoxes_.texts().front().toStdString();
    }

    static std::string demoFile(const std::string& name) { return folder_->file("demo/" + name); }

    // The first column of every row, through the window's own connection.
    Ids column(const std::string& sql) {
        Ids values;
        for (const dbx::Row& row : form_->SQLConnection1.query(sql))
            values.push_back(row.at(0).value_or("<null>"));
        return values;
    }

    Ids listed() const {
        Ids ids;
        for (int i = 0; i < form_->CheckListBox1->count(); ++i)
            ids.push_back(form_->CheckListBox1->item(i));
        return ids;
    }

    std::unique_ptr<TFormSalSendCheck> form_;

private:
    static std::string makeDemoCommand() {
        return "bash '" + testsupport::sourceDir() + "/tools/make-demo.sh' '" +
               testsupport::binDir() + "' '" + folder_->file("demo") + "'";
    }

    static std::unique_ptr<testsupport::TempDir> folder_;
    ErrorBoxWatcher errorBoxes_;
};

std::unique_ptr<testsupport::TempDir> Demo::folder_;

TEST_F(Demo, HoldsTenBillsOfThreeUsersWithFourteenChanges) {
    EXPECT_EQ(
        column("SELECT chg_user || ':' || COUNT(*) FROM sal_master GROUP BY chg_user ORDER BY 1"),
        big5({"S002:2", "王小明:5", "李大華:3"}));
    EXPECT_EQ(column("SELECT COUNT(DISTINCT masterbillid) FROM sal_master"), Ids{"10"});
    EXPECT_EQ(column("SELECT COUNT(*) FROM sal_temp"), Ids{"14"});
}

TEST_F(Demo, HalvernIniNamesTheDemoUser) {
    EXPECT_EQ(platform::readProfileString(demoFile("Halvern.ini"), "privite", "userid", "", 2048),
              big5("王小明"));
}

TEST_F(Demo, ListsExactlySixBillsForTheDemoUser) {
    form_->listPendingBills(big5("王小明"));
    EXPECT_EQ(listed(), big5({"S20261126002", "S20261204001", "許20261203002", "銷20261125004",
                              "銷20261201001", "銷20261202003"}));
}

}  // namespace
