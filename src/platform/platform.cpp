#include "platform.h"

namespace platform {

namespace {
Services* replacement = nullptr;
}

Services& services() {
    return replacement ? *replacement : systemServices();
}

void setServicesForTests(Services* services) {
    replacement = services;
}

} // namespace platform
