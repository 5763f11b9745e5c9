// SPDX-License-Identifier: GPL-3.0-or-later
// Calls the editor's viewer notification once, as a Save of list 1 does:
//   quorvex_notify_driver [OWN_WINDOW_ID]
// Prints "done" when it returns.
#include <cstdio>
#include <cstdlib>

#include "ui/platform/ViewerNotifier.h"

int main(int argc, char* argv[]) {
    const unsigned long ownWindowId = argc > 1 ? std::strtoul(argv[1], nullptr, 0) : 0;
    qvx::NotifyViewer(ownWindowId);
    std::printf("done\n");
    return 0;
}
