#include "gallery/GalleryText.h"

#include <cctype>

#include "tessarin/util/CharacterCodes.h"

using namespace tessarin;

std::string ShownText(const std::string& text) {
  std::string shown = "\"";
  for (char ch : text) shown += ch == kReturnChar ? '\n' : ch;
  return shown + "\"";
}

std::string PercentText(int value, int minimum, int maximum) {
  if (maximum <= minimum) return "0 %";
  const long long share = 100LL * (static_cast<long long>(value) - minimum) /
                          (static_cast<long long>(maximum) - minimum);
  return std::to_string(share) + " %";
}

std::string ScoreTableText(const std::vector<std::string>& lines) {
  if (lines.empty()) return "No scores yet.\nEnter a name to add one.";
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

long ScoreFromText(const std::string& text) {
  long score = 0;
  for (char ch : text) {
    if (std::isdigit(static_cast<unsigned char>(ch)) == 0) break;
    // The box holds at most eight digits; the cap only guards against a longer text.
    if (score < 100000000L) score = score * 10 + (ch - '0');
  }
  return score;
}

std::string SelectionText(int index, const std::string& caption, const std::string& value) {
  if (index < 0) return "Selected row: -1\n(none)";
  return "Selected row: " + std::to_string(index) + "\n" + caption + " = " + value;
}
