// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the Quorvex viewer: a top-level window that reports the notifications it
// receives.
//   quorvex_test_viewer [--title TEXT] [--seconds N] [--framed]
// Prints "window ID" and then "ready" once the window is mapped, then one line
// "notify A B C" per QUORVEX_NOTIFY client message (its first three data words), and
// exits after N seconds (default 10). --framed puts the window inside a frame window that
// carries no title, with WM_STATE on the inner window, as a window manager does.
#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string title = "Quorvex test viewer";
    int seconds = 10;
    bool framed = false;
};

Options parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--title" && i + 1 < argc) {
            options.title = argv[++i];
        } else if (argument == "--seconds" && i + 1 < argc) {
            options.seconds = std::atoi(argv[++i]);
        } else if (argument == "--framed") {
            options.framed = true;
        } else {
            std::fprintf(stderr, "usage: quorvex_test_viewer [--title TEXT] [--seconds N] [--framed]\n");
            std::exit(2);
        }
    }
    return options;
}

xcb_atom_t intern(xcb_connection_t* connection, std::string_view name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t createWindow(xcb_connection_t* connection, const xcb_screen_t* screen, xcb_window_t parent,
                          std::int16_t x, std::int16_t y) {
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t values[] = {screen->white_pixel,
                                    XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_EXPOSURE};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, parent, x, y, 240, 80, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    return window;
}

}  // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "quorvex_test_viewer: cannot open the display\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t notifyAtom = intern(connection, "QUORVEX_NOTIFY");
    const xcb_atom_t netWmName = intern(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8String = intern(connection, "UTF8_STRING");
    const xcb_atom_t wmState = intern(connection, "WM_STATE");

    xcb_window_t frame = XCB_WINDOW_NONE;
    xcb_window_t window = XCB_WINDOW_NONE;
    if (options.framed) {
        frame = createWindow(connection, screen, screen->root, 20, 20);
        window = createWindow(connection, screen, frame, 0, 0);
        const std::uint32_t normalState[] = {1, XCB_WINDOW_NONE};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, wmState, wmState, 32, 2, normalState);
    } else {
        window = createWindow(connection, screen, screen->root, 20, 20);
    }
    const auto titleLength = static_cast<std::uint32_t>(options.title.size());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        titleLength, options.title.data());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netWmName, utf8String, 8, titleLength,
                        options.title.data());
    xcb_map_window(connection, window);
    if (options.framed) {
        xcb_map_window(connection, frame);
    }
    xcb_flush(connection);
    std::printf("window %u\n", window);
    std::fflush(stdout);

    const auto deadline = Clock::now() + std::chrono::seconds(options.seconds);
    const xcb_window_t shownWindow = options.framed ? frame : window;
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
                if (map->window == shownWindow) {
                    std::printf("ready\n");
                }
            } else if (type == XCB_CLIENT_MESSAGE) {
                const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
                if (message->type == notifyAtom && message->format == 32) {
                    std::printf("notify %u %u %u\n", message->data.data32[0], message->data.data32[1],
                                message->data.data32[2]);
                }
            }
            std::fflush(stdout);
            std::free(event);
        }
        if (xcb_connection_has_error(connection) != 0) {
            return 1;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd socket{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&socket, 1, static_cast<int>(left < 0 ? 0 : left));
    }
    xcb_disconnect(connection);
    return 0;
}
