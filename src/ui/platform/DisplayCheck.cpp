// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace qvx {
namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

bool xServerAnswers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool usable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return usable;
}

}  // namespace

std::string displayProblem() {
    // "xcb", "xcb:option=..." or a list "wayland;xcb"; only X11 is ours to check.
    const std::string_view platform = environment("QT_QPA_PLATFORM");
    const std::string_view first = platform.substr(0, platform.find_first_of(":;"));
    if (!first.empty() && first != "xcb") return {};
    if (first.empty() && !environment("WAYLAND_DISPLAY").empty()) return {};
    if (xServerAnswers()) return {};
    const std::string_view display = environment("DISPLAY");
    const std::string which = display.empty() ? "(DISPLAY is not set)" : "\"" + std::string(display) + "\"";
    return "qvxedit: cannot open the display " + which + ": set DISPLAY or run it on a desktop";
}

}  // namespace qvx
