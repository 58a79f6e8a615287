#pragma once
// The application object: its title, taken from the executable's name, and the one place where
// an exception that leaves one of the window's handlers is caught and shown in the error box.

#include <QApplication>
#include <exception>
#include <functional>
#include <string>

// Thrown to end a handler quietly: dropped without a box.
class Cancelled : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

// The title for an executable path: the file name, cut before its first full stop, every
// character after the first lower-cased. Bytes in the ANSI code page.
std::string applicationTitle(const std::string& executablePath);

// The error box's text for a message: a full stop appended when the message is not empty and
// the first byte of its last character is above 0x2E.
std::string errorBoxText(const std::string& message);

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    const std::string& title() const { return title_; }
    // Shows the error box for the exception in flight; a Cancelled is dropped.
    void handleException(std::exception_ptr error);

    // Runs one of the window's handlers and handles what leaves it right there, so that it
    // never unwinds through Qt's own frames, which are built without exception support.
    // Outside an Application the exception goes on to the caller.
    static void runHandler(const std::function<void()>& handler);

private:
    std::string title_;
};
