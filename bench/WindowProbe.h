#pragma once
// Watches a window's start-up from the application's event dispatch: notes when FormCreate
// begins, and closes any error box at once, keeping its text, so that a failed run ends
// instead of waiting for a user.

#include <QObject>
#include <QStringList>
#include <chrono>
#include <optional>

namespace bench {

class WindowProbe : public QObject {
public:
    using Clock = std::chrono::steady_clock;

    WindowProbe();

    const std::optional<Clock::time_point>& formCreateStart() const { return formCreateStart_; }
    const QStringList& errors() const { return errors_; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    std::optional<Clock::time_point> formCreateStart_;
    QStringList errors_;
};

}  // namespace bench
