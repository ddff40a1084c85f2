#include "tessarin/framework/DisplayHost.h"

namespace tessarin {

DisplayHost* DisplayHost::defaultHost = nullptr;

DisplayHost::DisplayHost() {
  if (defaultHost == nullptr) defaultHost = this;
}

DisplayHost::~DisplayHost() {
  if (defaultHost == this) defaultHost = nullptr;
}

}  // namespace tessarin
