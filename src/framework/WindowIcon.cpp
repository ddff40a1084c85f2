#include "tessarin/framework/WindowIcon.h"

namespace tessarin {

std::vector<unsigned long> IconProperty(const std::vector<WindowIcon>& icons) {
  std::vector<unsigned long> items;
  for (const WindowIcon& icon : icons) {
    if (icon.argb == nullptr || icon.width <= 0 || icon.height <= 0) continue;
    const std::size_t count = static_cast<std::size_t>(icon.width) * icon.height;
    items.reserve(items.size() + 2 + count);
    items.push_back(static_cast<unsigned long>(icon.width));
    items.push_back(static_cast<unsigned long>(icon.height));
    items.insert(items.end(), icon.argb, icon.argb + count);
  }
  return items;
}

}  // namespace tessarin
