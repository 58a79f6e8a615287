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

void Application::runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        auto* application = dynamic_cast<Application*>(QCoreApplication::instance());
        if (!application) throw;
        application->handleException(std::current_exception());
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
