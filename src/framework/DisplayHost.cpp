#include "framework/DisplayHost.h"

DisplayHost* DisplayHost::defaultHost = nullptr;

DisplayHost::DisplayHost() {
  if (defaultHost == nullptr) defaultHost = this;
}

DisplayHost::~DisplayHost() {
  if (defaultHost == this) defaultHost = nullptr;
}
