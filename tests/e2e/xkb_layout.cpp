// Test helper for the end-to-end walk: reads or locks the keyboard layout of the X server in
// $DISPLAY the way a user's layout indicator sees it.
//   tamrik_xkb_layout          prints the configured layout of the locked XKB group ("us")
//   tamrik_xkb_layout lock N   locks group N
// Exit code 1 when the server cannot be reached or the group has no configured layout.

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The layout field (third of the NUL-ended fields) of the root window's _XKB_RULES_NAMES.
std::vector<std::string> configuredLayouts(Display* display) {
    const Atom names = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (names == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), names, 0, 1024, False, XA_STRING,
                           &type, &format, &count, &after, &data) != Success ||
        !data)
        return {};
    std::vector<std::string> fields(1);
    for (unsigned long i = 0; i < count; ++i) {
        if (data[i] == '\0')
            fields.emplace_back();
        else
            fields.back() += static_cast<char>(data[i]);
    }
    XFree(data);
    std::vector<std::string> layouts;
    if (fields.size() > 2) {
        std::istringstream list(fields[2]);
        for (std::string layout; std::getline(list, layout, ',');)
            layouts.push_back(layout);
    }
    return layouts;
}

} // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "tamrik_xkb_layout: cannot open display\n");
        return 1;
    }
    int status = 0;
    if (argc == 3 && std::strcmp(argv[1], "lock") == 0) {
        XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(std::atoi(argv[2])));
        XSync(display, False);
    } else {
        XkbStateRec state{};
        XkbGetState(display, XkbUseCoreKbd, &state);
        const std::vector<std::string> layouts = configuredLayouts(display);
        const auto group = static_cast<std::size_t>(state.locked_group);
        if (group < layouts.size()) {
            std::printf("%s\n", layouts[group].c_str());
        } else {
            std::fprintf(stderr, "tamrik_xkb_layout: group %zu has no configured layout\n", group);
            status = 1;
        }
    }
    XCloseDisplay(display);
    return status;
}
