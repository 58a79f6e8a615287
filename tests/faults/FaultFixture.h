#pragma once
// A window whose connection entry points at a database of the test's choosing, with every
// error box it shows noted and closed with its OK button.

#include <gtest/gtest.h>

#include <QPushButton>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "confirm/FrmInstorageSendCheck.h"
#include "support/ErrorBoxWatcher.h"
#include "support/PrivateServer.h"
#include "support/TestDatabase.h"

using Ids = std::vector<std::string>;
// The marks of a bill's sal_temp rows, one character each, '-' for none: "YY", "--".
using Marks = std::map<std::string, std::string>;

class FaultFixture : public testing::Test {
protected:
    FaultFixture();
    ~FaultFixture() override;

    // The connection entry; extraLines go into it as they are.
    void writeConnectionEntry(const std::string& database, const std::string& password,
                              const std::string& extraLines = "");

    // Bills pending for the empty user id, which is the one read beside the test program: a
    // sal_master row and two unmarked sal_temp rows each.
    static void addBills(testsupport::Session& session, const Ids& ids);
    static Marks marks(testsupport::Session& session);
    // The marks of all bills when exactly the confirmed ones carry them.
    static Marks marksWhenConfirmed(const Ids& all, const Ids& confirmed);

    // The window as the program builds and shows it at start.
    static std::unique_ptr<TFormSalSendCheck> startWindow();
    static Ids listedIds(const TFormSalSendCheck& form);
    static std::vector<bool> ticks(const TFormSalSendCheck& form);
    static void click(QPushButton* button);

    // The texts of the error boxes shown so far, as UTF-8.
    std::vector<std::string> errorTexts() const;

private:
    testsupport::TempDir config_;
    ErrorBoxWatcher errorBoxes_;
};
