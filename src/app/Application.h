#pragma once
// The application object: its title, taken from the executable's name, and the one place where
// an exception that leaves an event handler is caught and shown in the error box.

#include <QApplication>
#include <exception>
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
    bool notify(QObject* receiver, QEvent* event) override;
    // Shows the error box for the exception in flight; a Cancelled is dropped.
    void handleException(std::exception_ptr error);

private:
    std::string title_;
};
