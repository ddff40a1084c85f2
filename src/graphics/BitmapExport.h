// The C source that a 4-bit picture is exported as: two ints for its width and height and a
// char array in the palette image format (PaletteImage.h), named after the file. This is how
// a picture drawn in a paint program becomes data compiled into the toolkit.
#pragma once

#include <string>

namespace tessarin {

// The file name without its folder and last extension, upper-cased, with every character
// other than a letter, digit or "_" turned into "_": Data/logo.bmp gives LOGO, my-pic.bmp
// gives MY_PIC.
std::string ExportSymbolName(const std::string& path);

// "int wNAME = ...;", "int hNAME = ...;" and "char imgNAME[] = {...};": the 48 palette bytes on
// one line, then one line per stored row. image holds PaletteImageSize(w, h) bytes.
std::string PaletteImageSource(const std::string& name, int w, int h, const unsigned char* image);

// Writes the source for the picture read from bitmapPath to bitmapPath + ".c" (TextFile's
// WriteLines: a link there is replaced itself, a special file refused). False, with a log
// line, when it could not be written; the export that stood there is then left whole.
bool WriteBitmapExport(const std::string& bitmapPath, int w, int h, const unsigned char* image);

}  // namespace tessarin
