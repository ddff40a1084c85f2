// A core X font description, loaded on a display on first use. Every element carries one, but
// all text is measured and drawn in a single shared font: the first form's (framework/Form.h).
// The loaded XFontStruct is owned and freed with the description.
#pragma once

#include <X11/Xlib.h>

#include <string>

namespace tessarin {

class MyFont {
 public:
  MyFont() = default;
  explicit MyFont(std::string family) : family(std::move(family)) {}
  MyFont(std::string family, int size) : family(std::move(family)), size(size) {}
  ~MyFont();
  // Copies carry the description only; the loaded font stays with its owner.
  MyFont(const MyFont& other);
  MyFont& operator=(const MyFont& other);

  // Loads the font on first use; a display on which neither the pattern nor "fixed" could be
  // loaded is not asked again, or every paint would ask and log once more.
  XFontStruct* GetFontStruct(Display* display);
  void LoadFont(Display* display);
  std::string BuildFontName();
  int GetFontSize() const;
  bool IsLoaded() const { return loaded; }
  const std::string& GetName() const { return name; }

  std::string GetFamily() const { return family; }
  int GetSize() const { return size; }
  void SetSize(int pixels) { size = pixels; }
  bool IsBold() const { return bold; }
  void SetBold(bool on) { bold = on; }
  bool IsItalic() const { return italic; }
  void SetItalic(bool on) { italic = on; }
  bool GetStyleFlagA() const { return styleFlagA; }
  void SetStyleFlagA(bool on) { styleFlagA = on; }
  bool GetStyleFlagB() const { return styleFlagB; }
  void SetStyleFlagB(bool on) { styleFlagB = on; }
  unsigned char GetSetting() const { return setting; }
  void SetSetting(unsigned char value) { setting = value; }

 private:
  void Release();
  void CopyDescription(const MyFont& other);

  XFontStruct* font = nullptr;
  bool loaded = false;
  Display* failedOn = nullptr;
  Display* display = nullptr;
  std::string family;
  int size = 14;
  bool bold = false;
  bool italic = false;
  bool styleFlagA = false;
  bool styleFlagB = false;
  unsigned char setting = 1;
  std::string name;
};

}  // namespace tessarin
