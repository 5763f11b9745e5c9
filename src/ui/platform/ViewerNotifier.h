// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qvx {

// Tells a running Quorvex viewer that list 1 was saved: the first top-level window, from the
// top of the stacking order down, whose title starts with "Quorvex" receives the client
// message QUORVEX_NOTIFY with the data 1024, 16912533, 0. `ownWindowId` is the editor's own
// X11 window (0 when unknown) and is never chosen. Without an X display nothing happens.
// Returns once the X server has delivered the message, and at the latest two seconds after
// the server stops answering.
void NotifyViewer(unsigned long ownWindowId);

}  // namespace qvx
