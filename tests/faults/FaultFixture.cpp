#include "FaultFixture.h"

#include <QTest>
#include <algorithm>
#include <cstdlib>

namespace {

std::string driverLibrary() { return testsupport::binDir() + "/libdbxfb.so"; }

}  // namespace

FaultFixture::FaultFixture() {
    testsupport::writeFile(config_.file("dbxdrivers.ini"),
                           "[Interbase]\nLibraryName=" + driverLibrary() +
                               "\nVendorLib=libfbclient.so.2\n"
                               "GetDriverFunc=getSQLDriverINTERBASE\n");
    setenv("DBX_CONNECTION_REGISTRY_FILE", config_.file("dbxconnections.ini").c_str(), 1);
    setenv("DBX_DRIVER_REGISTRY_FILE", config_.file("dbxdrivers.ini").c_str(), 1);
}

FaultFixture::~FaultFixture() {
    unsetenv("DBX_CONNECTION_REGISTRY_FILE");
    unsetenv("DBX_DRIVER_REGISTRY_FILE");
}

void FaultFixture::writeConnectionEntry(const std::string& database, const std::string& password,
                                        const std::string& extraLines) {
    testsupport::writeFile(config_.file("dbxconnections.ini"),
                           "[Quenby]\nDriverName=Interbase\nDatabase=" + database +
                               "\nUser_Name=SYSDBA\nPassword=" + password + "\nSQLDialect=3\n" +
                               extraLines);
}

void FaultFixture::addBills(testsupport::Session& session, const Ids& ids) {
    session.begin();
    for (const std::string& id : ids) {
        session.run("INSERT INTO sal_master VALUES ('" + id + "', '')");
        for (const char* state : {"UPDATE", "INSERT"})
            session.run("INSERT INTO sal_temp VALUES ('" + id + "', NULL, '" + state + "')");
    }
    session.commit();
}

Marks FaultFixture::marks(testsupport::Session& session) {
    Marks marks;
    for (const auto& row : session.query("SELECT masterbillid, COALESCE(tran_check, '-') "
                                         "FROM sal_temp ORDER BY 1, 2"))
        marks[row[0].value_or("<null>")] += row[1].value_or("<null>");
    return marks;
}

Marks FaultFixture::marksWhenConfirmed(const Ids& all, const Ids& confirmed) {
    Marks marks;
    for (const std::string& id : all)
        marks[id] = std::ranges::count(confirmed, id) > 0 ? "YY" : "--";
    return marks;
}

std::unique_ptr<TFormSalSendCheck> FaultFixture::startWindow() {
    auto form = std::make_unique<TFormSalSendCheck>();
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return form;
}

Ids FaultFixture::listedIds(const TFormSalSendCheck& form) {
    Ids ids;
    for (int i = 0; i < form.CheckListBox1->count(); ++i)
        ids.push_back(form.CheckListBox1->item(i));
    return ids;
}

std::vector<bool> FaultFixture::ticks(const TFormSalSendCheck& form) {
    std::vector<bool> ticks;
    for (int i = 0; i < form.CheckListBox1->count(); ++i)
        ticks.push_back(form.CheckListBox1->checked(i));
    return ticks;
}

std::vector<std::string> FaultFixture::errorTexts() const {
    std::vector<std::string> texts;
    for (const QString& text : errorBoxes_.texts()) texts.push_back(text.toStdString());
    return texts;
}

void FaultFixture::click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
