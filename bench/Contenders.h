#pragma once
// The programs raced against each other, one run per call, each against the bill database of
// a given size, and the database work between runs.
//
// The program folder holds salsendcheck with its driver, bench_window, bench_fetch_loop and
// bench_xwait; the work folder, writable by the database server, gets the databases
// (bills-N.fdb, made by make_bill_database.sh), their connection files and the statement files.

#include <map>
#include <string>
#include <vector>

namespace bench {

class Contenders {
public:
    Contenders(std::string programDir, std::string workDir, std::string makeDatabaseScript);

    // Makes the database with that many pending bills (0: empty tables) and its configuration.
    void prepare(int bills);

    struct Times {
        double inProcess = 0;  // seconds, as the program measured itself
        double process = 0;    // seconds from fork to exit
    };
    struct Shown {
        double seconds = 0;  // from fork to the window's map
        double peakKilobytes = 0;
    };

    double formCreate(int bills);
    Times fetchLoop(int bills);
    double isql(int bills);
    Shown program(int bills);

    // Writes the UPDATE texts for the first `ticks` listed bills; returns the file.
    std::string writeUpdates(int bills, int ticks);
    double writeBack(int bills, int ticks);
    double updateLoop(int bills, const std::string& updatesFile);
    // The number of waiting bills marked confirmed; resetMarks() unmarks them all.
    int markedBills(int bills);
    void resetMarks(int bills);

    std::map<std::string, std::string> selection(int bills);

private:
    std::string database(int bills) const;
    std::string file(const std::string& name) const { return workDir_ + "/" + name; }
    std::map<std::string, std::string> environment(int bills, const char* platform) const;
    std::map<std::string, std::string> window(const std::vector<std::string>& arguments, int bills);

    std::string programDir_;
    std::string workDir_;
    std::string makeDatabaseScript_;
};

// The user the bill databases are made for.
inline constexpr char kBenchUser[] = "BENCH";

}  // namespace bench
