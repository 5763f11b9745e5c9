// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/ViewerNotification.h"

#include "ui/platform/ViewerNotifier.h"

namespace qvx {

std::function<void(unsigned long)> notifyViewerFunction() { return NotifyViewer; }

}  // namespace qvx
