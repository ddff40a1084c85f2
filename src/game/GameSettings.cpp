#include "game/GameSettings.h"

#include <vector>

#include "tessarin/util/Log.h"
#include "tessarin/util/TextFile.h"

using namespace tessarin;

namespace {

// Two short lines; a file larger than this is not one of ours.
constexpr std::int64_t kMostSettingsBytes = 1024;
constexpr char kSideKey[] = "size=";
constexpr char kRowSlidesKey[] = "rowslides=";

bool StartsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// Takes one line into settings; false when it is no line of a settings file.
bool TakeLine(const std::string& line, GameSettings& settings) {
  if (StartsWith(line, kSideKey)) {
    const std::optional<int> side = ParseBoardSide(line.substr(sizeof kSideKey - 1));
    if (side) settings.side = *side;
    return side.has_value();
  }
  if (StartsWith(line, kRowSlidesKey)) {
    const std::string value = line.substr(sizeof kRowSlidesKey - 1);
    settings.rowSlides = value == "yes";
    return value == "yes" || value == "no";
  }
  return false;
}

}  // namespace

std::optional<int> ParseBoardSide(const std::string& text) {
  if (text.size() != 1 || text[0] < '0' + kSmallestSide || text[0] > '0' + kLargestSide) {
    return std::nullopt;
  }
  return text[0] - '0';
}

GameSettings LoadGameSettings(const std::string& path) {
  TextFile file(path);
  const std::vector<std::string> lines = file.ReadLines(kMostSettingsBytes);
  if (file.NotFound()) return {};
  if (file.Failed()) {
    Log("Settings " + path + " cannot be read: " + file.ReadProblem() + "; the defaults apply");
    return {};
  }
  GameSettings settings;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (TakeLine(lines[i], settings)) continue;
    Log("Settings " + path + " line " + std::to_string(i + 1) +
        " is no setting; the defaults apply");
    return {};
  }
  return settings;
}

bool SaveGameSettings(const GameSettings& settings, const std::string& path) {
  TextFile file(path);
  const bool saved =
      file.WriteLines({kSideKey + std::to_string(settings.side),
                       std::string(kRowSlidesKey) + (settings.rowSlides ? "yes" : "no")});
  if (!saved) Log("Settings " + path + " cannot be written");
  return saved;
}
