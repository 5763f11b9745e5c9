// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/InterruptCleanup.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace qvx {
namespace {

// What the handler may touch: fixed storage and lock-free atomics only.
struct Slot {
    std::atomic<int> state{0};  // kFree, kTaken or kArmed
    int folder = -1;
    char name[NAME_MAX + 1] = {};
    // A file written in place: its old contents are in `name`, open as `copy`.
    int copy = -1;
    int target = -1;
    off_t size = 0;
};
constexpr int kFree = 0;
constexpr int kTaken = 1;
constexpr int kArmed = 2;

constexpr int kSlots = 8;  // saves under way at once
Slot slots[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
bool installed[std::size(kSignals)] = {};
int users = 0;
std::mutex installation;

// Only calls that are safe in a signal handler, on fixed storage. The copy
// stays when it could not all be written back: it is then the only whole
// old list.
bool writeBack(const Slot& slot) {
    static char buffer[64 * 1024];
    for (off_t at = 0; at < slot.size;) {
        const auto wanted = static_cast<std::size_t>(std::min<off_t>(slot.size - at, sizeof buffer));
        const ssize_t got = ::pread(slot.copy, buffer, wanted, at);
        if (got <= 0) return false;
        for (ssize_t done = 0; done < got;) {
            const ssize_t written = ::pwrite(slot.target, buffer + done, static_cast<std::size_t>(got - done), at + done);
            if (written <= 0) return false;
            done += written;
        }
        at += got;
    }
    return ::ftruncate(slot.target, slot.size) == 0 && ::fsync(slot.target) == 0;
}

void removeAndEnd(int signalNumber) {
    const int savedErrno = errno;
    for (Slot& slot : slots) {
        if (slot.state.load() != kArmed) continue;
        if (slot.copy >= 0 && !writeBack(slot)) continue;
        ::unlinkat(slot.folder, slot.name, 0);
    }
    // SA_RESETHAND put the default action back; the signal is blocked while
    // this runs and ends the process as soon as the handler returns.
    ::raise(signalNumber);
    errno = savedErrno;
}

void installHandlers() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) != 0) continue;
        if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) continue;
        struct sigaction ours {};
        ours.sa_handler = removeAndEnd;
        ours.sa_flags = static_cast<int>(SA_RESETHAND | SA_RESTART);
        sigemptyset(&ours.sa_mask);
        installed[i] = ::sigaction(kSignals[i], &ours, nullptr) == 0;
    }
}

void removeHandlers() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (!installed[i]) continue;
        installed[i] = false;
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) != 0 || current.sa_handler != removeAndEnd) continue;
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        sigemptyset(&standard.sa_mask);
        ::sigaction(kSignals[i], &standard, nullptr);
    }
}

}  // namespace

InterruptCleanup::InterruptCleanup() {
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (slots[i].state.compare_exchange_strong(expected, kTaken)) {
            slot_ = i;
            break;
        }
    }
    if (slot_ < 0) return;
    const std::lock_guard guard(installation);
    if (users++ == 0) installHandlers();
}

InterruptCleanup::~InterruptCleanup() {
    if (slot_ < 0) return;
    {
        const std::lock_guard guard(installation);
        if (--users == 0) removeHandlers();
    }
    slots[slot_].state.store(kFree);
}

void InterruptCleanup::watch(int folder, const char* name) { watchRestore(folder, name, -1, -1, 0); }

void InterruptCleanup::watchRestore(int folder, const char* name, int copy, int target, off_t size) {
    if (slot_ < 0) return;
    Slot& slot = slots[slot_];
    slot.state.store(kTaken);  // the handler must not see half a name
    slot.folder = folder;
    std::strncpy(slot.name, name, NAME_MAX);
    slot.name[NAME_MAX] = '\0';
    slot.copy = copy;
    slot.target = target;
    slot.size = size;
    slot.state.store(kArmed);
}

void InterruptCleanup::forget() {
    if (slot_ >= 0) slots[slot_].state.store(kTaken);
}

}  // namespace qvx
