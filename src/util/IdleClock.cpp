#include "tessarin/util/IdleClock.h"

namespace tessarin {

namespace {
int idleMilliseconds = 0;
}

int IdleMilliseconds() {
  return idleMilliseconds;
}

void AdvanceIdleMilliseconds(int ms) {
  idleMilliseconds = (idleMilliseconds + ms) % 1000;
}

void ResetIdleMilliseconds() {
  idleMilliseconds = 0;
}

}  // namespace tessarin
