#include "ui/ViewerNotification.h"

#include "ui/ViewerNotifier.h"

namespace qvx {

std::function<void(unsigned long)> notifyViewerFunction() { return NotifyViewer; }

}  // namespace qvx
