// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace qvx {

// What Save of list 1 calls to notify a running viewer (NotifyViewer over X11);
// tests put their own recorder in its place.
std::function<void(unsigned long ownWindowId)> notifyViewerFunction();

}  // namespace qvx
