#include "Contenders.h"

#include <cstdlib>
#include <stdexcept>

#include "BenchFiles.h"
#include "FbClient.h"
#include "Process.h"
#include "confirm/Statements.h"

namespace bench {
namespace {

// make_bill_database.sh numbers the bills "SB" and eight digits; the odd ones wait.
constexpr char kWaitingBill[] = "MOD(CAST(SUBSTRING(masterbillid FROM 3) AS INTEGER), 2) = 1";

std::string credential(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) throw std::runtime_error(std::string(name) + " is not set");
    return value;
}

}  // namespace

Contenders::Contenders(std::string programDir, std::string workDir, std::string makeDatabaseScript)
    : programDir_(std::move(programDir)),
      workDir_(std::move(workDir)),
      makeDatabaseScript_(std::move(makeDatabaseScript)) {
    writeFile(programDir_ + "/Halvern.ini",
              std::string("[privite]\r\nuserid=") + kBenchUser + "\r\n");
    writeFile(file("dbxdrivers.ini"), "[Interbase]\nLibraryName=" + programDir_ +
                                          "/libdbxfb.so\nVendorLib=libfbclient.so.2\n"
                                          "GetDriverFunc=getSQLDriverINTERBASE\n");
    const std::string pending = pendingBillsStatement(kBenchUser);
    writeFile(file("pending.sql"), pending);
    writeFile(file("pending-isql.sql"), pending + ";\n");
}

void Contenders::prepare(int bills) {
    runProcess({"bash", makeDatabaseScript_, database(bills), std::to_string(bills), kBenchUser});
    writeFile(file("dbxconnections-" + std::to_string(bills) + ".ini"),
              "[Quenby]\nDriverName=Interbase\nDatabase=" + database(bills) +
                  "\nUser_Name=" + credential("ISC_USER") +
                  "\nPassword=" + credential("ISC_PASSWORD") + "\nSQLDialect=3\n");
}

double Contenders::formCreate(int bills) {
    return outputNumber(window({"formcreate", std::to_string(bills)}, bills), "seconds");
}

Contenders::Times Contenders::fetchLoop(int bills) {
    const Finished run = runProcess(
        {programDir_ + "/bench_fetch_loop", "select", database(bills), file("pending.sql")});
    const auto values = outputValues(run.output);
    if (outputNumber(values, "rows") != bills) throw std::runtime_error("fetch loop: row count");
    return {outputNumber(values, "seconds"), run.seconds};
}

double Contenders::isql(int bills) {
    return runProcess({"isql-fb", "-q", "-i", file("pending-isql.sql"), database(bills)}, {}, true)
        .seconds;
}

Contenders::Shown Contenders::program(int bills) {
    const Finished run = runProcess({programDir_ + "/bench_xwait", programDir_ + "/salsendcheck"},
                                    environment(bills, "xcb"));
    const auto values = outputValues(run.output);
    return {outputNumber(values, "seconds"), outputNumber(values, "vmhwm_kb")};
}

std::string Contenders::writeUpdates(int bills, int ticks) {
    std::vector<std::string> ids =
        FbClient(database(bills)).firstColumn(readFile(file("pending.sql")));
    if (ids.size() < std::size_t(ticks)) throw std::runtime_error("too few waiting bills");
    std::vector<std::string> updates;
    for (int i = 0; i < ticks; ++i) updates.push_back(confirmationStatement(ids[i]) + "\r\n");
    const std::string path = file("updates-" + std::to_string(ticks) + ".sql");
    writeStatements(path, updates);
    return path;
}

double Contenders::writeBack(int bills, int ticks) {
    return outputNumber(window({"writeback", std::to_string(bills), std::to_string(ticks)}, bills),
                        "seconds");
}

double Contenders::updateLoop(int bills, const std::string& updatesFile) {
    const Finished run =
        runProcess({programDir_ + "/bench_fetch_loop", "update", database(bills), updatesFile});
    return outputNumber(outputValues(run.output), "seconds");
}

int Contenders::markedBills(int bills) {
    const std::vector<std::string> count =
        FbClient(database(bills))
            .firstColumn(
                std::string(
                    "SELECT CAST(COUNT(DISTINCT masterbillid) AS VARCHAR(20)) FROM sal_temp "
                    "WHERE tran_check = 'Y' AND ") +
                kWaitingBill);
    return std::stoi(count.at(0));
}

void Contenders::resetMarks(int bills) {
    FbClient(database(bills))
        .executeCommitted(
            std::string("UPDATE sal_temp SET tran_check = NULL WHERE tran_check = 'Y' AND ") +
            kWaitingBill);
}

std::map<std::string, std::string> Contenders::selection(int bills) {
    return window({"selection", std::to_string(bills)}, bills);
}

std::string Contenders::database(int bills) const {
    return "127.0.0.1:" + file("bills-" + std::to_string(bills) + ".fdb");
}

std::map<std::string, std::string> Contenders::environment(int bills, const char* platform) const {
    return {
        {"DBX_CONNECTION_REGISTRY_FILE", file("dbxconnections-" + std::to_string(bills) + ".ini")},
        {"DBX_DRIVER_REGISTRY_FILE", file("dbxdrivers.ini")},
        {"QT_QPA_PLATFORM", platform}};
}

std::map<std::string, std::string> Contenders::window(const std::vector<std::string>& arguments,
                                                      int bills) {
    std::vector<std::string> argv{programDir_ + "/bench_window"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return outputValues(runProcess(argv, environment(bills, "offscreen")).output);
}

}  // namespace bench
