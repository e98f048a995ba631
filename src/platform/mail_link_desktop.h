#pragma once

#include <string>

namespace platform {

// Opens a link with the desktop's handler (QDesktopServices); used where there is no shell API.
void openLinkWithDesktop(const std::string& link);

} // namespace platform
