#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "PaintProbe.h"
#include "WindowBench.h"

namespace bench {
namespace {

// The rows the view shows, top to bottom.
std::vector<int> rowsInView(const TCheckListBox& list) {
    std::vector<int> rows;
    const QRect area = list.viewport()->rect();
    for (int row = list.indexAt(area.topLeft()).row(); row >= 0 && row < list.count(); ++row) {
        if (!list.visualRect(list.model()->index(row, 0)).intersects(area)) break;
        rows.push_back(row);
    }
    return rows;
}

std::vector<int> repaintedRows(const TCheckListBox& list, const PaintProbe& probe) {
    std::vector<int> rows;
    for (int row : rowsInView(list))
        if (probe.painted().intersects(list.visualRect(list.model()->index(row, 0))))
            rows.push_back(row);
    return rows;
}

// Runs the event loop until the work the handlers left for it is done: the views' delayed
// layouts (zero-time timers started before this one) and the paint events.
void settle() {
    QEventLoop loop;
    QTimer sentinel;
    sentinel.setSingleShot(true);
    QObject::connect(&sentinel, &QTimer::timeout, &loop, &QEventLoop::quit);
    sentinel.start(0);
    loop.exec();
    QApplication::processEvents();
}

// Presses the button with the mouse and handles what follows, paints included; returns seconds.
double pressAndPaint(QPushButton* button) {
    const auto start = std::chrono::steady_clock::now();
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

void requireAll(const TCheckListBox& list, bool checked) {
    for (int i = 0; i < list.count(); ++i)
        if (list.checked(i) != checked) throw std::runtime_error("an item kept its tick");
}

// Select all with every other item in view ticked already: the ticked ones repainted.
int repaintedUnchanged(TFormSalSendCheck& form, PaintProbe& probe) {
    TCheckListBox& list = *form.CheckListBox1;
    std::vector<int> ticked;
    for (int row : rowsInView(list))
        if (row % 2 == 0) ticked.push_back(row);
    for (int row : ticked) list.setChecked(row, true);
    settle();
    probe.forget();
    pressAndPaint(form.SpeedButton1);
    int unchanged = 0;
    for (int row : repaintedRows(list, probe))
        unchanged += std::count(ticked.begin(), ticked.end(), row);
    return unchanged;
}

}  // namespace

void measureSelection(TFormSalSendCheck& form) {
    TCheckListBox& list = *form.CheckListBox1;
    PaintProbe probe(list.viewport());
    form.showCentred();
    if (!QTest::qWaitForWindowExposed(&form)) throw std::runtime_error("window not exposed");
    if (!QTest::qWaitFor([&probe] { return !probe.painted().isEmpty(); }))
        throw std::runtime_error("the list was not painted");
    settle();
    probe.forget();

    const double all = pressAndPaint(form.SpeedButton1);
    const std::size_t repaintedAll = repaintedRows(list, probe).size();
    requireAll(list, true);
    probe.forget();
    const double none = pressAndPaint(form.SpeedButton2);
    const std::size_t repaintedNone = repaintedRows(list, probe).size();
    requireAll(list, false);

    std::printf("select_all_seconds %.6f\nselect_none_seconds %.6f\n", all, none);
    std::printf("rows_in_view %zu\nselect_all_repainted %zu\nselect_none_repainted %zu\n",
                rowsInView(list).size(), repaintedAll, repaintedNone);
    std::printf("half_ticked_repainted_unchanged %d\n", repaintedUnchanged(form, probe));
}

}  // namespace bench
