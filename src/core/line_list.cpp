#include "line_list.h"

#include <limits>

namespace tamrik {

namespace {
bool inRange(int i, std::size_t size) {
    return i >= 0 && static_cast<std::size_t>(i) < size;
}
} // namespace

int VectorLines::count() const {
    // A box cannot hold more lines than an int counts; neither can this list, in practice.
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<int>::max());
    return static_cast<int>(lines.size() < kMax ? lines.size() : kMax);
}

std::u32string VectorLines::line(int i) const {
    return inRange(i, lines.size()) ? lines[static_cast<std::size_t>(i)] : std::u32string();
}

void VectorLines::add(const std::u32string& text) {
    lines.push_back(text);
}

void VectorLines::remove(int i) {
    if (inRange(i, lines.size()))
        lines.erase(lines.begin() + i);
}

void VectorLines::replaceLast(const std::u32string& text) {
    if (lines.empty())
        lines.push_back(text);
    else
        lines.back() = text;
}

void VectorLines::clear() {
    lines.clear();
}

} // namespace tamrik
