// Platforms without a keyboard layout service the program can drive (Wayland, offscreen, macOS).

#include "mail_link_desktop.h"
#include "platform.h"

namespace platform {

namespace {

class PlainServices : public Services {
public:
    void activateKeyboardLayout(const std::string&) override {}
    void openMailLink(std::intptr_t, const std::string& link) override {
        openLinkWithDesktop(link);
    }
};

} // namespace

Services& systemServices() {
    static PlainServices services;
    return services;
}

} // namespace platform
