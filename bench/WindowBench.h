#pragma once
// The in-process measurements of bench_window, each on a window built as at start.

#include <memory>

#include "confirm/FrmInstorageSendCheck.h"

namespace bench {

// Fails unless the window lists exactly expected items.
void requireItems(const TFormSalSendCheck& form, int expected);

// Ticks the first ticks items and times SpeedButton3Click.
void measureWriteBack(TFormSalSendCheck& form, int ticks);

// Shows the window and times "全選" and "全不選" pressed with the mouse, each with the paint
// events that follow, and counts the items repainted.
void measureSelection(TFormSalSendCheck& form);

}  // namespace bench
