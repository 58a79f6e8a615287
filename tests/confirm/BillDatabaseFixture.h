#pragma once
// A window over a fresh bill database on the real server: the configuration files point the
// connection at it, and the test's own connection sets up rows and reads them back.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "confirm/FrmInstorageSendCheck.h"
#include "support/ErrorBoxWatcher.h"
#include "support/TestDatabase.h"

class BillDatabaseFixture : public testing::Test {
protected:
    BillDatabaseFixture();
    ~BillDatabaseFixture() override;

    // Points the connection configuration at database (the test database by default); extra
    // lines go into the connection entry.
    void writeConfiguration(const std::string& database, const std::string& extraLines = "");

    void addMaster(const std::string& id, const std::optional<std::string>& user);
    void addTemp(const std::string& id, const std::optional<std::string>& check,
                 const std::string& state);

    // A window built as at start; its creation lists the bills pending for the empty user id.
    std::unique_ptr<TFormSalSendCheck> makeForm();

    static std::vector<std::string> listedIds(const TFormSalSendCheck& form);
    // The distinct ids of the sal_temp rows that carry the mark, ascending.
    std::vector<std::string> confirmedIds();

    testsupport::TestDatabase db;
    testsupport::TempDir config;
    ErrorBoxWatcher errorBoxes;
};
