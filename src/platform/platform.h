#pragma once

// Desktop services the windows need from the operating system. The interface uses standard
// types only, so the Windows implementation builds without Qt.

#include <cstdint>
#include <string>

namespace platform {

// Windows keyboard layout identifiers, as LoadKeyboardLayoutA takes them.
inline constexpr const char* kLayoutEnglishUS = "00000409";
inline constexpr const char* kLayoutRussian = "00000419";

class Services {
public:
    virtual ~Services() = default;
    // Makes the layout the active input layout; a layout that is not installed or
    // configured changes nothing and reports nothing.
    virtual void activateKeyboardLayout(const std::string& layoutId) = 0;
    // Hands a "mailto:" link to the desktop; the outcome is not reported.
    virtual void openMailLink(std::intptr_t parentWindow, const std::string& link) = 0;
};

// The services in use: the system's own unless a test has put a double in place.
Services& services();
// For tests: nullptr puts the system's services back.
void setServicesForTests(Services* replacement);

// Defined once per platform (x11, win, none).
Services& systemServices();

} // namespace platform
