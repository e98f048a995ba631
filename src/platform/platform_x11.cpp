// X11: the keyboard layout is an XKB group; the groups are the layouts configured on the
// server, listed in the root window's _XKB_RULES_NAMES property ("us,ru,de").

#include "mail_link_desktop.h"
#include "platform.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <sstream>
#include <vector>

namespace platform {

namespace {

Display* x11Display() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// The property holds rules, model, layout, variant and options, each ended by a NUL.
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
    std::vector<std::string> fields;
    std::string field;
    for (unsigned long i = 0; i < count; ++i) {
        if (data[i] == '\0') {
            fields.push_back(field);
            field.clear();
        } else {
            field += static_cast<char>(data[i]);
        }
    }
    XFree(data);
    if (fields.size() < 3)
        return {};
    std::vector<std::string> layouts;
    std::istringstream list(fields[2]);
    for (std::string layout; std::getline(list, layout, ',');)
        layouts.push_back(layout);
    return layouts;
}

const char* xkbLayoutName(const std::string& layoutId) {
    if (layoutId == kLayoutEnglishUS)
        return "us";
    if (layoutId == kLayoutRussian)
        return "ru";
    return nullptr;
}

class X11Services : public Services {
public:
    void activateKeyboardLayout(const std::string& layoutId) override {
        Display* display = x11Display();
        const char* wanted = xkbLayoutName(layoutId);
        if (!display || !wanted)
            return;
        const std::vector<std::string> layouts = configuredLayouts(display);
        for (std::size_t group = 0; group < layouts.size(); ++group) {
            if (layouts[group] == wanted) {
                XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(group));
                XFlush(display);
                return;
            }
        }
    }

    void openMailLink(std::intptr_t, const std::string& link) override {
        openLinkWithDesktop(link);
    }
};

} // namespace

Services& systemServices() {
    static X11Services services;
    return services;
}

} // namespace platform
