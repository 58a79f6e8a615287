#pragma once
// The benchmark's scenarios. Each runs its contenders in turns, the first one moving on by one
// at every turn, and gives the figures of the turns.

#include <functional>
#include <vector>

#include "Contenders.h"
#include "Figures.h"

namespace bench {

class BenchRun {
public:
    BenchRun(Contenders& contenders, int runs) : contenders_(contenders), runs_(runs) {}

    // The window's start-up against the fetch loop, isql-fb; targets at 100,000 bills.
    std::vector<Figure> startUp(int bills);
    // SpeedButton3Click against the loop sending the same UPDATE texts.
    std::vector<Figure> writeBack(int bills, int ticks);
    std::vector<Figure> selection(int bills);
    // Peak memory with the bills listed against an empty list.
    std::vector<Figure> memory(int bills);

private:
    void alternate(const std::vector<std::function<void()>>& contenders,
                   const std::vector<Figure*>& warmUp);
    double checkedWriteBack(int bills, int ticks, double seconds);

    Contenders& contenders_;
    int runs_;
};

}  // namespace bench
