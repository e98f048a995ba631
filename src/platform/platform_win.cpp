// Windows: the system's own keyboard layout and shell calls. No Qt here.

#include "platform.h"

// windows.h must come first: shellapi.h relies on its types and macros.
#include <windows.h>

#include <shellapi.h>

namespace platform {

namespace {

class WindowsServices : public Services {
public:
    void activateKeyboardLayout(const std::string& layoutId) override {
        LoadKeyboardLayoutA(layoutId.c_str(), KLF_ACTIVATE);
    }

    void openMailLink(std::intptr_t parentWindow, const std::string& link) override {
        // Hidden show command, as the program always passed it; the result is ignored.
        ShellExecuteA(reinterpret_cast<HWND>(parentWindow), "open", link.c_str(), nullptr, nullptr,
                      SW_HIDE);
    }
};

} // namespace

Services& systemServices() {
    static WindowsServices services;
    return services;
}

} // namespace platform
