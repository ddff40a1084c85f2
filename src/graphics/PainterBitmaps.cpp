// The Painter's BMP drawing: a file is read into RGB triples, converted into an XImage in the
// server's layout and blitted, plainly or with black as the transparent colour. The picture is
// converted at its own size, so a box larger than the file reads nothing beyond it.
#include <unistd.h>

#include "tessarin/graphics/BitmapFile.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/graphics/XImageFactory.h"

namespace tessarin {

void Painter::DrawBitmapFile(int x, int y, int w, int h, int depth, const std::string& path) {
  DrawBitmap(x, y, w, h, depth, path, false);
}

void Painter::DrawBitmapFileTransparent(int x, int y, int w, int h, int depth,
                                        const std::string& path) {
  DrawBitmap(x, y, w, h, depth, path, true);
}

void Painter::DrawBitmap(int x, int y, int w, int h, int depth, const std::string& path,
                         bool transparent) {
  // A w or h of 0 would mean "the whole picture" to the blits; here, as for a box the file's
  // header cannot fill, it means nothing is drawn.
  if (gc == nullptr || w <= 0 || h <= 0 || access(path.c_str(), F_OK) != 0) return;
  RgbPicture picture = ReadBitmap(path, depth);
  if (!picture) return;
  OwnedXImage image(MakeXImage(display, picture.pixels.get(), picture.width, picture.height));
  if (!image) return;
  if (transparent) {
    PutImageTransparent(x, y, w, h, image.get());
  } else {
    PutImage(x, y, w, h, image.get());
  }
}

}  // namespace tessarin
