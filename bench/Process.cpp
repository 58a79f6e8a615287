#include "Process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace bench {
namespace {

[[noreturn]] void execChild(const std::vector<std::string>& argv,
                            const std::map<std::string, std::string>& environment, int output) {
    dup2(output, STDOUT_FILENO);
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    while (true) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0) text.append(buffer, std::size_t(got));
        if (got == 0 || (got < 0 && errno != EINTR)) return text;
    }
}

void requireSuccess(const std::vector<std::string>& argv, int status) {
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return;
    std::string command;
    for (const std::string& arg : argv) command += (command.empty() ? "" : " ") + arg;
    throw std::runtime_error("failed (status " + std::to_string(status) + "): " + command);
}

}  // namespace

Finished runProcess(const std::vector<std::string>& argv,
                    const std::map<std::string, std::string>& environment, bool discardOutput) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    const int output = discardOutput ? open("/dev/null", O_WRONLY | O_CLOEXEC) : pipeEnds[1];
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) execChild(argv, environment, output);
    close(pipeEnds[1]);
    if (discardOutput) close(output);
    Finished finished;
    finished.output = readAll(pipeEnds[0]);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    finished.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    requireSuccess(argv, status);
    return finished;
}

std::map<std::string, std::string> outputValues(const std::string& output) {
    std::map<std::string, std::string> values;
    std::istringstream lines(output);
    for (std::string name, value; lines >> name >> value;) values[name] = value;
    return values;
}

double outputNumber(const std::map<std::string, std::string>& values, const std::string& name) {
    const auto found = values.find(name);
    if (found == values.end()) throw std::runtime_error("no " + name + " in the output");
    return std::stod(found->second);
}

}  // namespace bench
