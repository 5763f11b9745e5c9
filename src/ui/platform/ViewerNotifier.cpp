// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/ViewerNotifier.h"

#include <poll.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvx {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kViewerTitlePrefix = "Quorvex";
constexpr std::string_view kNotifyAtomName = "QUORVEX_NOTIFY";
// The viewer's own title buffer holds 260 bytes with the terminator.
constexpr std::size_t kTitleBytes = 259;
constexpr std::uint32_t kTitleLongs = (kTitleBytes + 3) / 4;
constexpr std::uint32_t kNotifyMessage = 1024;
constexpr std::uint32_t kNotifyParameter = 16912533;  // 0x01021095
// A viewer or X server that does not answer must not hold the editor longer than this.
constexpr auto kWaitBound = std::chrono::seconds(2);
// Window managers put the client window at most a few levels below their frame.
constexpr int kFrameDepth = 4;

struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

class Connection final {
public:
    Connection() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~Connection() { xcb_disconnect(connection_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    xcb_connection_t* get() const { return connection_; }
    bool usable() const { return xcb_connection_has_error(connection_) == 0; }

private:
    xcb_connection_t* connection_;
};

// Talks to the X server with every wait bounded by one deadline, so a hung server
// costs at most the bound however many requests the search needs.
class BoundedSession final {
public:
    BoundedSession(xcb_connection_t* connection, Clock::time_point deadline)
        : connection_(connection), deadline_(deadline) {}

    // The reply of the request `sequence`, or nullptr on an X error, a broken connection
    // or when the deadline passed.
    template <typename T>
    Reply<T> await(unsigned int sequence) {
        if (expired_ || xcb_flush(connection_) <= 0) {
            return nullptr;
        }
        for (;;) {
            void* reply = nullptr;
            xcb_generic_error_t* error = nullptr;
            if (xcb_poll_for_reply(connection_, sequence, &reply, &error) != 0) {
                std::free(error);
                return Reply<T>(static_cast<T*>(reply));
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
            if (left <= 0) {
                expired_ = true;
                return nullptr;
            }
            pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
            if (poll(&socket, 1, static_cast<int>(left)) < 0 && errno != EINTR) {
                expired_ = true;
                return nullptr;
            }
        }
    }

    bool expired() const { return expired_; }

    xcb_atom_t atom(std::string_view name) {
        const auto cookie = xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()),
                                            name.data());
        const auto reply = await<xcb_intern_atom_reply_t>(cookie.sequence);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    // Children of `window`, bottom of the stacking order first.
    std::vector<xcb_window_t> children(xcb_window_t window) {
        const auto reply = await<xcb_query_tree_reply_t>(xcb_query_tree(connection_, window).sequence);
        if (!reply) {
            return {};
        }
        const xcb_window_t* first = xcb_query_tree_children(reply.get());
        return {first, first + xcb_query_tree_children_length(reply.get())};
    }

    bool hasProperty(xcb_window_t window, xcb_atom_t property) {
        const auto cookie =
            xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0);
        const auto reply = await<xcb_get_property_reply_t>(cookie.sequence);
        return reply && reply->type != XCB_ATOM_NONE;
    }

    xcb_get_property_cookie_t requestText(xcb_window_t window, xcb_atom_t property) {
        return xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                                kTitleLongs);
    }

    // The text of a property requested with requestText, at most kTitleBytes long; nothing
    // when the window has no such property.
    std::optional<std::string> awaitText(xcb_get_property_cookie_t cookie) {
        const auto reply = await<xcb_get_property_reply_t>(cookie.sequence);
        if (!reply || reply->type == XCB_ATOM_NONE || reply->format != 8) {
            return std::nullopt;
        }
        const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
        const auto length = static_cast<std::size_t>(xcb_get_property_value_length(reply.get()));
        return std::string(bytes, std::min(length, kTitleBytes));
    }

private:
    xcb_connection_t* connection_;
    Clock::time_point deadline_;
    bool expired_ = false;
};

class ViewerSearch final {
public:
    ViewerSearch(BoundedSession& session, unsigned long ownWindowId)
        : session_(session), ownWindowId_(ownWindowId) {
        wmState_ = session_.atom("WM_STATE");
        netWmName_ = session_.atom("_NET_WM_NAME");
    }

    // The first client window from the top of the stacking order down that is a viewer.
    std::optional<xcb_window_t> find(xcb_window_t root) {
        const std::vector<xcb_window_t> topLevel = session_.children(root);
        for (auto it = topLevel.rbegin(); it != topLevel.rend() && !session_.expired(); ++it) {
            const xcb_window_t client = clientWindow(*it);
            if (client == ownWindowId_ || *it == ownWindowId_) {
                continue;
            }
            const std::optional<std::string> title = titleOf(client);
            if (title && title->starts_with(kViewerTitlePrefix)) {
                return client;
            }
        }
        return std::nullopt;
    }

private:
    // The window that carries WM_STATE at or below a top-level window (a window
    // manager's frame holds the client further down); the window itself when none
    // does, as is the case when no window manager runs.
    xcb_window_t clientWindow(xcb_window_t topLevel) {
        if (wmState_ == XCB_ATOM_NONE || session_.hasProperty(topLevel, wmState_)) {
            return topLevel;
        }
        return findBelow(topLevel, kFrameDepth).value_or(topLevel);
    }

    std::optional<xcb_window_t> findBelow(xcb_window_t window, int depth) {
        if (depth == 0) {
            return std::nullopt;
        }
        const std::vector<xcb_window_t> below = session_.children(window);
        for (const xcb_window_t child : below) {
            if (session_.hasProperty(child, wmState_)) {
                return child;
            }
        }
        for (const xcb_window_t child : below) {
            if (const auto found = findBelow(child, depth - 1)) {
                return found;
            }
        }
        return std::nullopt;
    }

    // _NET_WM_NAME (UTF-8) when the window has one, else WM_NAME.
    std::optional<std::string> titleOf(xcb_window_t window) {
        const auto netName = session_.requestText(window, netWmName_);
        const auto name = session_.requestText(window, XCB_ATOM_WM_NAME);
        std::optional<std::string> title = session_.awaitText(netName);
        std::optional<std::string> plain = session_.awaitText(name);
        return title && !title->empty() ? title : plain;
    }

    BoundedSession& session_;
    unsigned long ownWindowId_;
    xcb_atom_t wmState_ = XCB_ATOM_NONE;
    xcb_atom_t netWmName_ = XCB_ATOM_NONE;
};

}  // namespace

void NotifyViewer(unsigned long ownWindowId) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return;
    }
    const Connection connection;
    if (!connection.usable()) {
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data;
    if (screen == nullptr) {
        return;
    }
    BoundedSession session(connection.get(), Clock::now() + kWaitBound);
    const auto notifyCookie = xcb_intern_atom(
        connection.get(), 0, static_cast<std::uint16_t>(kNotifyAtomName.size()), kNotifyAtomName.data());
    const std::optional<xcb_window_t> viewer = ViewerSearch(session, ownWindowId).find(screen->root);
    const auto notifyAtom = session.await<xcb_intern_atom_reply_t>(notifyCookie.sequence);
    if (!viewer || !notifyAtom) {
        return;
    }

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = *viewer;
    message.type = notifyAtom->atom;
    message.data.data32[0] = kNotifyMessage;
    message.data.data32[1] = kNotifyParameter;
    message.data.data32[2] = 0;
    // An empty event mask delivers the message to the client that made the window.
    xcb_send_event(connection.get(), 0, *viewer, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    // The reply to a later request proves the server has handled the message.
    session.await<xcb_get_input_focus_reply_t>(xcb_get_input_focus(connection.get()).sequence);
}

}  // namespace qvx
