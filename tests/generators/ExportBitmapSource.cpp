// Build step of the unit tests: reads one 4-bit BMP with the toolkit's reader, which writes
// the picture as C source beside the file. The build runs it on a copy in the build tree, so
// the source tree stays clean, and compiles the result into the tests.
#include <cstdio>
#include <string>

#include "tessarin/graphics/BitmapFile.h"
#include "tessarin/util/FileUtils.h"

using namespace tessarin;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE.bmp  (writes FILE.bmp.c)\n", argv[0]);
    return 2;
  }
  const std::string bitmap = argv[1];
  if (!ReadBitmap4(bitmap) || !FileExists(bitmap + ".c")) {
    std::fprintf(stderr, "%s: no C source exported from %s\n", argv[0], bitmap.c_str());
    return 1;
  }
  return 0;
}
