// bench_window: the program's own window, in-process, on the offscreen platform.
//   formcreate EXPECTED        times FormCreate until the list holds every id
//   writeback EXPECTED TICKS   times SpeedButton3Click with the first TICKS items ticked
//   selection EXPECTED         times select all / select none on the shown window
// Reads the user id from Halvern.ini beside itself and the connection from the usual files.
// Prints "name value" lines.

#include "WindowBench.h"

#include <QtGlobal>
#include <chrono>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "WindowProbe.h"
#include "app/Application.h"

namespace {

using Clock = bench::WindowProbe::Clock;

void measureFormCreate(const bench::WindowProbe& probe, int expected) {
    const auto form = std::make_unique<TFormSalSendCheck>();
    const Clock::time_point end = Clock::now();
    if (!probe.formCreateStart()) throw std::runtime_error("FormCreate did not run");
    bench::requireItems(*form, expected);
    const std::chrono::duration<double> elapsed = end - *probe.formCreateStart();
    std::printf("seconds %.6f\nitems %d\n", elapsed.count(), form->CheckListBox1->count());
}

void run(const bench::WindowProbe& probe, const std::string& mode, int expected, int ticks) {
    if (mode == "formcreate") return measureFormCreate(probe, expected);
    TFormSalSendCheck form;
    bench::requireItems(form, expected);
    if (mode == "writeback") return bench::measureWriteBack(form, ticks);
    if (mode == "selection") return bench::measureSelection(form);
    throw std::runtime_error("unknown mode " + mode);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s formcreate|writeback|selection EXPECTED [TICKS]\n",
                     argv[0]);
        return 2;
    }
    Application app(argc, argv);
    const bench::WindowProbe probe;
    bool failed = false;
    try {
        run(probe, argv[1], std::stoi(argv[2]), argc > 3 ? std::stoi(argv[3]) : 0);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_window: %s\n", error.what());
        failed = true;
    }
    for (const QString& error : probe.errors())
        std::fprintf(stderr, "bench_window: error box: %s\n", qPrintable(error));
    return failed || !probe.errors().isEmpty() ? 1 : 0;
}
