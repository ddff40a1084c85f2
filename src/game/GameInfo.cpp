#include "game/GameInfo.h"

std::string WindowTitle() {
  return std::string("Tessarin - ") + kWebAddress + " " + kNotice;
}
