// Watches one element across a call that may destroy it: a callback, a handler of the form, a
// report of a new value. Code that goes on afterwards asks the watch first:
//
//   ElementWatch watch(this);
//   NotifyValueChanged();
//   if (!watch) return;
//
// The id is read when the watch is made, because afterwards the element may be gone and another
// may even have taken its address. Ids are never reused, so the same address under the same id
// is the same element.
#pragma once

#include <cstdint>

namespace tessarin {

class GUIElement;

class ElementWatch {
 public:
  explicit ElementWatch(const GUIElement* element);

  // True while the watched element is still registered.
  explicit operator bool() const;

 private:
  const GUIElement* element;
  std::uint32_t id;
};

}  // namespace tessarin
