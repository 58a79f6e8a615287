#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "WindowBench.h"

namespace bench {

void requireItems(const TFormSalSendCheck& form, int expected) {
    const int listed = form.CheckListBox1->count();
    if (listed != expected)
        throw std::runtime_error("listed " + std::to_string(listed) + " items, expected " +
                                 std::to_string(expected));
}

void measureWriteBack(TFormSalSendCheck& form, int ticks) {
    if (ticks > form.CheckListBox1->count()) throw std::runtime_error("too few items to tick");
    for (int i = 0; i < ticks; ++i) form.CheckListBox1->setChecked(i, true);
    const auto start = std::chrono::steady_clock::now();
    form.SpeedButton3Click();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("seconds %.6f\nstatements %d\n", elapsed.count(), ticks);
}

}  // namespace bench
