#include "ui/ViewerNotification.h"

namespace qvx {

std::function<void(unsigned long)> notifyViewerFunction() { return {}; }

}  // namespace qvx
