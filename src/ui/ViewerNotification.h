#pragma once

#include <functional>

namespace qvx {

// What Save of list 1 calls to notify a running viewer; empty while the
// program has no way to reach one.
std::function<void(unsigned long ownWindowId)> notifyViewerFunction();

}  // namespace qvx
