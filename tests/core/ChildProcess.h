// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace qvx::testing {

// How a forked child ended and what it said.
struct ChildOutcome {
    int status = 0;       // as waitpid() gives it
    std::string report;   // what the child wrote to its report pipe

    bool exited(int code) const { return WIFEXITED(status) && WEXITSTATUS(status) == code; }
    bool killedBy(int signalNumber) const { return WIFSIGNALED(status) && WTERMSIG(status) == signalNumber; }
};

// Runs `body` in a forked child: its answer goes back through a pipe and its
// return value is the exit code. For what a test cannot do in its own process:
// die of a signal, change user, enter a mount namespace. `started` runs in the
// parent once the child is under way, with the child's process number.
inline ChildOutcome runInChild(const std::function<int(std::string& report)>& body,
                               const std::function<void(pid_t)>& started = {}) {
    int channel[2];
    if (::pipe(channel) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string report;
        const int code = body(report);
        const char* data = report.data();
        for (std::size_t left = report.size(); left > 0;) {
            const ssize_t written = ::write(channel[1], data, left);
            if (written <= 0) break;
            data += written;
            left -= static_cast<std::size_t>(written);
        }
        ::_exit(code);
    }
    ::close(channel[1]);
    if (started) started(child);
    ChildOutcome outcome;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        outcome.report.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    ::waitpid(child, &outcome.status, 0);
    return outcome;
}

}  // namespace qvx::testing
