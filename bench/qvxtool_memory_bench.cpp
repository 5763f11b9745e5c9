// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory and time of qvxtool's commands on a list of 1,000,000 entries,
// as /usr/bin/time -v reports them (the children's maximum resident set).
// The output goes to /dev/null. Prints figures; it never fails on them.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/ListFiles.h"
#include "model/ChannelList.h"

#include "MillionEntryList.h"

namespace {

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
    int status = -1;
};

Run runTool(const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(QVXTOOL_PATH)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int sink = ::open("/dev/null", O_WRONLY);
        ::dup2(sink, STDOUT_FILENO);
        ::execv(QVXTOOL_PATH, argv.data());
        ::_exit(127);
    }
    Run run;
    struct rusage usage {};
    ::wait4(child, &run.status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}

}  // namespace

int main() {
    const std::string path = (std::filesystem::temp_directory_path() / "qvxtool_memory_bench.qvx").string();
    // The list is built in a child of its own: a child inherits the peak of
    // its parent, and the tool's runs must start small.
    if (const pid_t writer = ::fork(); writer == 0) {
        qvx::ChannelList list;
        qvx::bench::fillMillionEntryList(list);
        const qvx::FileResult result =
            qvx::writeList(path, qvx::ListFormat::Native, list);
        if (!result.ok()) std::fprintf(stderr, "%s\n", result.message.c_str());
        ::_exit(result.ok() ? 0 : 1);
    } else {
        int status = 0;
        ::waitpid(writer, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
    }
    std::printf("%-22s %12s %10s %10s\n", "qvxtool", "peak MB", "seconds", "vs info");
    const struct {
        const char* title;
        std::vector<std::string> arguments;
    } commands[] = {
        {"info", {"info", path}},
        {"dump", {"dump", path}},
        {"dump --json", {"dump", path, "--json"}},
    };
    double infoPeak = 0;
    for (const auto& command : commands) {
        const Run run = runTool(command.arguments);
        const double peak = static_cast<double>(run.peakKilobytes) / 1024.0;
        if (infoPeak == 0) infoPeak = peak;
        std::printf("%-22s %12.1f %10.2f %9.2fx%s\n", command.title, peak, run.seconds, peak / infoPeak,
                    WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0 ? "" : "  (failed)");
    }
    std::filesystem::remove(path);
    return 0;
}
