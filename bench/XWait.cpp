// bench_xwait PROGRAM [ARGS...]: starts the program under the X server of DISPLAY (no window
// manager) and times it from fork to the MapNotify of its window titled "銷貨單據回傳確認".
// Then reads the process's peak resident memory, asks the window to close as its close box
// does, and waits for the exit. Prints "seconds S" and "vmhwm_kb K"; fails on any other
// window (an error box), on a nonzero exit, or after 120 s without the window.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kWindowTitle[] = "銷貨單據回傳確認";
constexpr int kTimeoutMsecs = 120'000;

std::string windowTitle(Display* display, Window window) {
    Atom type;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count,
                           &remaining, &data) != Success ||
        !data)
        return {};
    std::string title(reinterpret_cast<char*>(data), count);
    XFree(data);
    return title;
}

pid_t start(char** argv) {
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[0], argv);
        _exit(127);
    }
    if (child < 0) throw std::runtime_error("fork failed");
    return child;
}

// Waits for the next map of a top-level window; false when the program ended before.
bool nextMap(Display* display, int programEnded, Window& window) {
    while (true) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) {
                window = event.xmap.window;
                return true;
            }
        }
        pollfd fds[] = {{ConnectionNumber(display), POLLIN, 0}, {programEnded, POLLIN, 0}};
        if (poll(fds, 2, kTimeoutMsecs) <= 0) throw std::runtime_error("no window in time");
        if (fds[1].revents) return false;
    }
}

long peakResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    throw std::runtime_error("no VmHWM");
}

void askToClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

int exitCode(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) throw std::runtime_error("waitpid failed");
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void measure(Display* display, char** program) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const Clock::time_point started = Clock::now();
    const pid_t pid = start(program);
    const int programEnded = int(syscall(SYS_pidfd_open, pid, 0));
    Window window = 0;
    if (!nextMap(display, programEnded, window))
        throw std::runtime_error("ended with exit code " + std::to_string(exitCode(pid)));
    const std::chrono::duration<double> elapsed = Clock::now() - started;
    const long peak = peakResidentKilobytes(pid);
    const std::string title = windowTitle(display, window);
    if (title != kWindowTitle) {
        kill(pid, SIGTERM);
        exitCode(pid);
        throw std::runtime_error("a window titled '" + title + "' came first");
    }
    askToClose(display, window);
    if (const int code = exitCode(pid))
        throw std::runtime_error("exit code " + std::to_string(code));
    std::printf("seconds %.6f\nvmhwm_kb %ld\n", elapsed.count(), peak);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bench_xwait: cannot open display\n");
        return 1;
    }
    int result = 0;
    try {
        measure(display, argv + 1);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_xwait: %s\n", error.what());
        result = 1;
    }
    XCloseDisplay(display);
    return result;
}
