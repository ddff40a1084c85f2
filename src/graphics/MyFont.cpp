#include "graphics/MyFont.h"

#include "app/Application.h"
#include "app/Log.h"
#include "framework/Form.h"

namespace {
constexpr const char* kFallbackFontName = "fixed";
}

MyFont::~MyFont() {
  Release();
}

MyFont::MyFont(const MyFont& other) {
  CopyDescription(other);
}

MyFont& MyFont::operator=(const MyFont& other) {
  if (this != &other) CopyDescription(other);
  return *this;
}

void MyFont::CopyDescription(const MyFont& other) {
  family = other.family;
  size = other.size;
  bold = other.bold;
  italic = other.italic;
  styleFlagA = other.styleFlagA;
  styleFlagB = other.styleFlagB;
  setting = other.setting;
  name = other.name;
}

void MyFont::Release() {
  if (loaded && font != nullptr && display != nullptr) XFreeFont(display, font);
  font = nullptr;
  loaded = false;
}

XFontStruct* MyFont::GetFontStruct(Display* forDisplay) {
  if (font == nullptr) LoadFont(forDisplay);
  return font;
}

std::string MyFont::BuildFontName() {
  std::string pattern = family.empty() ? "-*-*-" : "-" + family + "-";
  pattern += bold ? "Bold-R-" : "Medium-R-";
  pattern += "Normal--";
  pattern += std::to_string(loaded && font != nullptr ? font->ascent : size);
  pattern += "-*";
  name = pattern;
  return pattern;
}

void MyFont::LoadFont(Display* forDisplay) {
  Release();
  display = forDisplay;
  if (display == nullptr) return;
  font = XLoadQueryFont(display, BuildFontName().c_str());
  if (font == nullptr) {
    Log("XLoadQueryFont failed");
    // Without a font nothing could measure or draw text; the server's alias "fixed" always
    // exists on a working X installation.
    font = XLoadQueryFont(display, kFallbackFontName);
  }
  loaded = font != nullptr;
}

int MyFont::GetFontSize() const {
  return loaded && font != nullptr ? font->ascent : size;
}

XFontStruct* SharedFont() {
  Form* first = Application::FirstForm();
  if (first == nullptr || first->GetApplication() == nullptr) return nullptr;
  Display* display = first->GetApplication()->GetDisplay();
  if (display == nullptr) return nullptr;
  return first->GetFont().GetFontStruct(display);
}
