#include "app/Application.h"

#include "app/DisplayText.h"
#include "app/ErrorBox.h"
#include "platform/Platform.h"

namespace {

constexpr const char* kUnknownErrorMessage = "Unknown error";

}  // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), title_(applicationTitle(platform::executablePath())) {
    setApplicationName(displayText(title_));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // The handler ran and its failure has been reported: the event is done with.
        handleException(std::current_exception());
        return true;
    }
}

void Application::handleException(std::exception_ptr error) {
    if (!error) return;
    try {
        std::rethrow_exception(error);
    } catch (const Cancelled&) {
        // A cancellation ends its handler quietly.
    } catch (const std::exception& failure) {
        showErrorBox(title_, failure.what());
    } catch (...) {
        showErrorBox(title_, kUnknownErrorMessage);
    }
}
