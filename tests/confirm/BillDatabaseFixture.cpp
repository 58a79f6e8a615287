#include "BillDatabaseFixture.h"

#include <cstdlib>

#include "confirm/Statements.h"

namespace {

std::string literal(const std::optional<std::string>& value) {
    return value ? "'" + sqlStringBody(*value) + "'" : "NULL";
}

std::string driverLibrary() { return testsupport::binDir() + "/libdbxfb.so"; }

}  // namespace

BillDatabaseFixture::BillDatabaseFixture() {
    db.createBillTables();
    writeConfiguration(db.database());
    testsupport::writeFile(config.file("dbxdrivers.ini"),
                           "[Interbase]\nLibraryName=" + driverLibrary() +
                               "\nVendorLib=libfbclient.so.2\n"
                               "GetDriverFunc=getSQLDriverINTERBASE\n");
    setenv("DBX_CONNECTION_REGISTRY_FILE", config.file("dbxconnections.ini").c_str(), 1);
    setenv("DBX_DRIVER_REGISTRY_FILE", config.file("dbxdrivers.ini").c_str(), 1);
}

BillDatabaseFixture::~BillDatabaseFixture() {
    unsetenv("DBX_CONNECTION_REGISTRY_FILE");
    unsetenv("DBX_DRIVER_REGISTRY_FILE");
}

void BillDatabaseFixture::writeConfiguration(const std::string& database,
                                             const std::string& extraLines) {
    testsupport::writeFile(config.file("dbxconnections.ini"),
                           "[Quenby]\nDriverName=Interbase\nDatabase=" + database +
                               "\nUser_Name=SYSDBA\nPassword=" + testsupport::sysdbaPassword() +
                               "\nSQLDialect=3\n" + extraLines);
}

void BillDatabaseFixture::addMaster(const std::string& id, const std::optional<std::string>& user) {
    db.execute("INSERT INTO sal_master (masterbillid, chg_user) VALUES (" + literal(id) + ", " +
               literal(user) + ")");
}

void BillDatabaseFixture::addTemp(const std::string& id, const std::optional<std::string>& check,
                                  const std::string& state) {
    db.execute("INSERT INTO sal_temp (masterbillid, tran_check, state) VALUES (" + literal(id) +
               ", " + literal(check) + ", " + literal(state) + ")");
}

std::unique_ptr<TFormSalSendCheck> BillDatabaseFixture::makeForm() {
    return std::make_unique<TFormSalSendCheck>();
}

std::vector<std::string> BillDatabaseFixture::listedIds(const TFormSalSendCheck& form) {
    std::vector<std::string> ids;
    for (int i = 0; i < form.CheckListBox1->count(); ++i) ids.push_back(form.CheckListBox1->item(i));
    return ids;
}

std::vector<std::string> BillDatabaseFixture::confirmedIds() {
    std::vector<std::string> ids;
    for (const auto& row : db.query("SELECT DISTINCT masterbillid FROM sal_temp "
                                    "WHERE tran_check = 'Y' ORDER BY 1"))
        ids.push_back(row[0].value_or("<null>"));
    return ids;
}
