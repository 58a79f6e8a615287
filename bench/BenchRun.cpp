#include "BenchRun.h"

#include <stdexcept>
#include <string>

#include "Process.h"

namespace bench {
namespace {

constexpr int kTargetBills = 100'000;

double msecs(double seconds) { return seconds * 1000; }

std::optional<Target> atTargetSize(int bills, Target target) {
    if (bills >= kTargetBills) return target;
    return std::nullopt;
}

}  // namespace

std::vector<Figure> BenchRun::startUp(int bills) {
    const std::string at = "Start-up, " + withThousands(bills) + " bills: ";
    Figure formCreate{at + "FormCreate to a filled list (in-process)", "ms"};
    Figure loop{at + "C++ fetch loop, attach to detach (in-process)", "ms"};
    Figure shown{at + "salsendcheck, exec to window mapped", "ms"};
    Figure loopProcess{at + "C++ fetch loop, exec to exit", "ms"};
    Figure isql{at + "isql-fb, exec to exit", "ms"};
    alternate({[&] { formCreate.samples.push_back(msecs(contenders_.formCreate(bills))); },
               [&] {
                   const Contenders::Times times = contenders_.fetchLoop(bills);
                   loop.samples.push_back(msecs(times.inProcess));
                   loopProcess.samples.push_back(msecs(times.process));
               },
               [&] { shown.samples.push_back(msecs(contenders_.program(bills).seconds)); },
               [&] { isql.samples.push_back(msecs(contenders_.isql(bills))); }},
              {&formCreate, &loop, &shown, &loopProcess, &isql});
    return {formCreate,
            loop,
            shown,
            loopProcess,
            isql,
            ratioOf(at + "FormCreate / C++ fetch loop (in-process)", formCreate, loop,
                    atTargetSize(bills, {1.25})),
            ratioOf(at + "salsendcheck / isql-fb (whole process)", shown, isql,
                    atTargetSize(bills, {1.0})),
            ratioOf(at + "salsendcheck / C++ fetch loop (whole process)", shown, loopProcess)};
}

std::vector<Figure> BenchRun::writeBack(int bills, int ticks) {
    const std::string at =
        "Write-back, " + withThousands(ticks) + " of " + withThousands(bills) + " bills: ";
    Figure button{at + "SpeedButton3Click (in-process)", "ms"};
    Figure loop{at + "C++ loop, same UPDATE texts, a committed transaction each", "ms"};
    const std::string updates = contenders_.writeUpdates(bills, ticks);
    contenders_.resetMarks(bills);
    alternate({[&] {
                   const double seconds = contenders_.writeBack(bills, ticks);
                   button.samples.push_back(checkedWriteBack(bills, ticks, seconds));
               },
               [&] {
                   const double seconds = contenders_.updateLoop(bills, updates);
                   loop.samples.push_back(checkedWriteBack(bills, ticks, seconds));
               }},
              {});
    return {button, loop, ratioOf(at + "SpeedButton3Click / C++ loop", button, loop, Target{1.05})};
}

std::vector<Figure> BenchRun::selection(int bills) {
    const std::string at = withThousands(bills) + " items: ";
    Figure all{"Select all, " + at + "press to painted (in-process)", "ms", Target{50, true}};
    Figure none{"Select none, " + at + "press to painted (in-process)", "ms", Target{50, true}};
    Figure visible{"Select all / none, " + at + "items in view", "items"};
    Figure repaintedAll{"Select all, " + at + "items repainted", "items"};
    Figure repaintedNone{"Select none, " + at + "items repainted", "items"};
    Figure unchanged{"Select all over a half-ticked view: unchanged items repainted", "items",
                     Target{0}};
    alternate(
        {[&] {
            const auto values = contenders_.selection(bills);
            all.samples.push_back(msecs(outputNumber(values, "select_all_seconds")));
            none.samples.push_back(msecs(outputNumber(values, "select_none_seconds")));
            visible.samples.push_back(outputNumber(values, "rows_in_view"));
            repaintedAll.samples.push_back(outputNumber(values, "select_all_repainted"));
            repaintedNone.samples.push_back(outputNumber(values, "select_none_repainted"));
            unchanged.samples.push_back(outputNumber(values, "half_ticked_repainted_unchanged"));
        }},
        {});
    return {all, none, visible, repaintedAll, repaintedNone, unchanged};
}

std::vector<Figure> BenchRun::memory(int bills) {
    Figure full{"Peak memory (VmHWM), " + withThousands(bills) + " bills listed", "MB"};
    Figure empty{"Peak memory (VmHWM), empty list", "MB"};
    alternate({[&] { full.samples.push_back(contenders_.program(bills).peakKilobytes / 1024); },
               [&] { empty.samples.push_back(contenders_.program(0).peakKilobytes / 1024); }},
              {&full, &empty});
    return {full, empty,
            differenceOf("Peak memory, " + withThousands(bills) + " bills above the empty list",
                         full, empty, Target{25})};
}

// A warm-up turn first, when figures are named for it, fills the caches that a first run would
// pay for; its samples are dropped.
void BenchRun::alternate(const std::vector<std::function<void()>>& contenders,
                         const std::vector<Figure*>& warmUp) {
    if (!warmUp.empty()) {
        for (const auto& contender : contenders) contender();
        for (Figure* figure : warmUp) figure->samples.clear();
    }
    const std::size_t count = contenders.size();
    for (int turn = 0; turn < runs_; ++turn) {
        for (std::size_t i = 0; i < count; ++i) contenders[(turn + i) % count]();
    }
}

double BenchRun::checkedWriteBack(int bills, int ticks, double seconds) {
    const int marked = contenders_.markedBills(bills);
    if (marked != ticks)
        throw std::runtime_error("marked " + std::to_string(marked) + " bills, not " +
                                 std::to_string(ticks));
    contenders_.resetMarks(bills);
    if (contenders_.markedBills(bills) != 0) throw std::runtime_error("marks not reset");
    return msecs(seconds);
}

}  // namespace bench
