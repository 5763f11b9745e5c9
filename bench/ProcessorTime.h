// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Processor time of this program, so that other work on a shared machine
// does not count.

#include <ctime>

template <typename Work>
double cpuMilliseconds(Work&& work) {
    timespec start{}, stop{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    work();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &stop);
    return static_cast<double>(stop.tv_sec - start.tv_sec) * 1e3 +
           static_cast<double>(stop.tv_nsec - start.tv_nsec) / 1e6;
}
