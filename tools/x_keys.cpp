// Types and clicks on the X server of DISPLAY as a child would, for tests of
// the real program: waits for a mapped top-level window of the given title
// (the topmost of that title: a message box before its main window), then
// sends it each key given, pressed and released.
//
//   zek_x_keys TITLE [KEY...]
//   KEY: Tab, Return, Escape, space, a text of ASCII letters; click:X,Y or dclick:X,Y
//   (a click or double click of the left button at that point of the
//   window); close (the close button of the window's frame)
//
// Ends with 1 when no such window comes within 20 seconds.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

std::string title(xcb_connection_t *x, xcb_window_t window, xcb_atom_t property)
{
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
    std::string name;
    if (reply) {
        name.assign(static_cast<const char *>(xcb_get_property_value(reply)),
                    std::size_t(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return name;
}

// The mapped child of the root with that title; 0 when there is none.
xcb_window_t findWindow(xcb_connection_t *x, xcb_window_t root, const std::string &wanted)
{
    const xcb_atom_t netName = atom(x, "_NET_WM_NAME");
    xcb_window_t found = 0;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
    if (!tree)
        return 0;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr);
        const bool mapped = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        if (mapped && (title(x, children[i], netName) == wanted || title(x, children[i], XCB_ATOM_WM_NAME) == wanted))
            found = children[i];
    }
    std::free(tree);
    return found;
}

struct Key {
    xcb_keycode_t code;
    uint16_t state;
};

// The key that gives keysym unshifted; with Shift for a capital letter.
Key keyFor(xcb_connection_t *x, uint32_t keysym)
{
    uint16_t state = 0;
    if (keysym >= 'A' && keysym <= 'Z') {
        keysym += 'a' - 'A';
        state = XCB_MOD_MASK_SHIFT;
    }
    const xcb_setup_t *setup = xcb_get_setup(x);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t *map =
        xcb_get_keyboard_mapping_reply(x, xcb_get_keyboard_mapping(x, setup->min_keycode, uint8_t(count)), nullptr);
    Key key{0, state};
    if (map) {
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map);
        for (int i = 0; i < count && !key.code; ++i)
            if (syms[i * map->keysyms_per_keycode] == keysym)
                key.code = xcb_keycode_t(setup->min_keycode + i);
        std::free(map);
    }
    return key;
}

void send(xcb_connection_t *x, xcb_window_t root, xcb_window_t window, Key key)
{
    for (uint8_t type : {uint8_t(XCB_KEY_PRESS), uint8_t(XCB_KEY_RELEASE)}) {
        xcb_key_press_event_t event{};
        event.response_type = type;
        event.detail = key.code;
        event.time = XCB_CURRENT_TIME;
        event.root = root;
        event.event = window;
        event.child = XCB_NONE;
        event.state = key.state;
        event.same_screen = 1;
        const uint32_t mask = type == XCB_KEY_PRESS ? XCB_EVENT_MASK_KEY_PRESS : XCB_EVENT_MASK_KEY_RELEASE;
        xcb_send_event(x, 1, window, mask, reinterpret_cast<const char *>(&event));
        xcb_flush(x);
        std::this_thread::sleep_for(std::chrono::milliseconds(30)); // a hand on the keys
    }
}

void click(xcb_connection_t *x, xcb_window_t root, xcb_window_t window, int16_t atX, int16_t atY)
{
    for (uint8_t type : {uint8_t(XCB_BUTTON_PRESS), uint8_t(XCB_BUTTON_RELEASE)}) {
        xcb_button_press_event_t event{};
        event.response_type = type;
        event.detail = 1;
        event.time = XCB_CURRENT_TIME;
        event.root = root;
        event.event = window;
        event.event_x = atX;
        event.event_y = atY;
        event.state = type == XCB_BUTTON_RELEASE ? XCB_BUTTON_MASK_1 : 0;
        event.same_screen = 1;
        const uint32_t mask = type == XCB_BUTTON_PRESS ? XCB_EVENT_MASK_BUTTON_PRESS : XCB_EVENT_MASK_BUTTON_RELEASE;
        xcb_send_event(x, 1, window, mask, reinterpret_cast<const char *>(&event));
        xcb_flush(x);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
}

// What a window manager sends when the close button of the frame is pressed.
void closeByFrame(xcb_connection_t *x, xcb_window_t window)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(x, "WM_PROTOCOLS");
    event.data.data32[0] = atom(x, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(x);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TITLE [KEY...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server on DISPLAY\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    xcb_window_t window = 0;
    for (int i = 0; i < 400 && !window; ++i) {
        window = findWindow(x, root, argv[1]);
        if (!window)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!window) {
        std::fprintf(stderr, "no window \"%s\"\n", argv[1]);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // the window takes the keyboard when shown
    for (int i = 2; i < argc; ++i) {
        const std::string key = argv[i];
        if (key == "Tab")
            send(x, root, window, keyFor(x, 0xff09));
        else if (key == "Return")
            send(x, root, window, keyFor(x, 0xff0d));
        else if (key == "Escape")
            send(x, root, window, keyFor(x, 0xff1b));
        else if (key == "space")
            send(x, root, window, keyFor(x, ' '));
        else if (key == "close")
            closeByFrame(x, window);
        else if (int atX = 0, atY = 0; std::sscanf(key.c_str(), "click:%d,%d", &atX, &atY) == 2)
            click(x, root, window, int16_t(atX), int16_t(atY));
        else if (std::sscanf(key.c_str(), "dclick:%d,%d", &atX, &atY) == 2)
            for (int twice = 0; twice < 2; ++twice)
                click(x, root, window, int16_t(atX), int16_t(atY));
        else
            for (char c : key)
                send(x, root, window, keyFor(x, uint32_t(uint8_t(c))));
    }
    xcb_disconnect(x);
    return 0;
}
