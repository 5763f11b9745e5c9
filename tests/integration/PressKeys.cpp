// SPDX-License-Identifier: GPL-3.0-or-later
// Types keys into a top-level window, as a user at the keyboard would:
//   quorvex_press_keys TITLE KEY...
// TITLE is the window's whole title. A KEY is Tab, Return, Escape, space, Down, Up, Right, F10
// or Menu, each optionally prefixed with shift+ (shift+F10), or text:CHARACTERS for
// printable ASCII characters. The keys are sent as synthetic key events after the window
// got the input focus.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T* raw) {
    return Reply<T>(raw, &std::free);
}

std::string propertyText(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    const auto answer = reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
        nullptr));
    if (!answer || answer->format != 8) {
        return {};
    }
    const auto* text = static_cast<const char*>(xcb_get_property_value(answer.get()));
    return {text, static_cast<std::size_t>(xcb_get_property_value_length(answer.get()))};
}

xcb_atom_t intern(xcb_connection_t* connection, std::string_view name) {
    const auto answer = reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return answer ? answer->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<xcb_window_t> windowTitled(xcb_connection_t* connection, xcb_window_t root,
                                         const std::string& title) {
    const xcb_atom_t netWmName = intern(connection, "_NET_WM_NAME");
    const auto tree = reply(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!tree) {
        return std::nullopt;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (propertyText(connection, children[i], netWmName) == title ||
            propertyText(connection, children[i], XCB_ATOM_WM_NAME) == title) {
            return children[i];
        }
    }
    return std::nullopt;
}

struct Key {
    xcb_keycode_t code;
    bool shift;
};

class Keyboard final {
public:
    explicit Keyboard(xcb_connection_t* connection) {
        const xcb_setup_t* setup = xcb_get_setup(connection);
        first_ = setup->min_keycode;
        const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
        const auto mapping = reply(xcb_get_keyboard_mapping_reply(
            connection, xcb_get_keyboard_mapping(connection, first_, count), nullptr));
        if (mapping) {
            perCode_ = mapping->keysyms_per_keycode;
            const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
            symbols_.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(mapping.get()));
        }
    }

    std::optional<Key> find(xcb_keysym_t symbol) const {
        for (std::size_t i = 0; perCode_ > 0 && i < symbols_.size(); ++i) {
            const std::size_t column = i % perCode_;
            if (symbols_[i] == symbol && column < 2) {
                return Key{static_cast<xcb_keycode_t>(first_ + i / perCode_), column == 1};
            }
        }
        return std::nullopt;
    }

private:
    xcb_keycode_t first_ = 0;
    std::size_t perCode_ = 0;
    std::vector<xcb_keysym_t> symbols_;
};

void send(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window, Key key, bool shift) {
    for (const std::uint8_t type : {XCB_KEY_PRESS, XCB_KEY_RELEASE}) {
        xcb_key_press_event_t event{};
        event.response_type = type;
        event.detail = key.code;
        event.root = root;
        event.event = window;
        event.child = XCB_WINDOW_NONE;
        event.same_screen = 1;
        event.state = key.shift || shift ? XCB_MOD_MASK_SHIFT : 0;
        event.time = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, window,
                       type == XCB_KEY_PRESS ? XCB_EVENT_MASK_KEY_PRESS : XCB_EVENT_MASK_KEY_RELEASE,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(connection);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

std::vector<xcb_keysym_t> symbolsOf(std::string_view word) {
    if (word == "Tab") return {0xff09};
    if (word == "Down") return {0xff54};
    if (word == "Up") return {0xff52};
    if (word == "Right") return {0xff53};
    if (word == "F10") return {0xffc7};
    if (word == "Menu") return {0xff67};
    if (word == "Return") return {0xff0d};
    if (word == "Escape") return {0xff1b};
    if (word == "space") return {0x20};
    if (word.starts_with("text:")) {
        std::vector<xcb_keysym_t> symbols;
        for (const char c : word.substr(5)) symbols.push_back(static_cast<unsigned char>(c));
        return symbols;
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: quorvex_press_keys TITLE KEY...\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "quorvex_press_keys: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::optional<xcb_window_t> window = windowTitled(connection, root, argv[1]);
    if (!window) {
        std::fprintf(stderr, "quorvex_press_keys: no window titled \"%s\"\n", argv[1]);
        return 1;
    }
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT, *window, XCB_CURRENT_TIME);
    xcb_flush(connection);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    const Keyboard keyboard(connection);
    for (int i = 2; i < argc; ++i) {
        std::string_view word = argv[i];
        const bool shift = word.starts_with("shift+");
        if (shift) word.remove_prefix(6);
        const std::vector<xcb_keysym_t> symbols = symbolsOf(word);
        if (symbols.empty()) {
            std::fprintf(stderr, "quorvex_press_keys: unknown key %s\n", argv[i]);
            return 2;
        }
        for (const xcb_keysym_t symbol : symbols) {
            const std::optional<Key> key = keyboard.find(symbol);
            if (!key) {
                std::fprintf(stderr, "quorvex_press_keys: no key makes 0x%x\n", symbol);
                return 1;
            }
            send(connection, root, *window, *key, shift);
        }
    }
    // A round trip: every key was delivered before the program ends.
    reply(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
    return 0;
}
