#include "tessarin/app/ExternalPrograms.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "tessarin/app/Application.h"
#include "tessarin/util/FileUtils.h"
#include "tessarin/util/Log.h"
#include "tessarin/util/TextUtils.h"

namespace tessarin {

namespace {
// Empty: the X bell.
std::string& BeepSound() {
  static std::string sound;
  return sound;
}

void RingBell() {
  const Application* application = Application::Default();
  Display* display = application != nullptr ? application->GetDisplay() : nullptr;
  if (display == nullptr) return;
  XBell(display, 0);
  XFlush(display);
}

bool IsShellSafe(char c) {
  if (c >= 'a' && c <= 'z') return true;
  if (c >= 'A' && c <= 'Z') return true;
  if (c >= '0' && c <= '9') return true;
  for (char allowed : std::string("_./:@=+,-")) {
    if (c == allowed) return true;
  }
  return false;
}

void PlayBeep(const std::string& file) {
  RunProgram("aplay", file);
}
}  // namespace

bool RunCommand(const std::string& commandLine) {
  return std::system(commandLine.c_str()) != 0;
}

std::string QuoteForShell(const std::string& argument) {
  bool safe = !argument.empty();
  for (char c : argument) safe = safe && IsShellSafe(c);
  if (safe) return argument;
  // Within single quotes the shell reads every byte literally but the quote itself: close,
  // escape it, reopen.
  std::string quoted = "'";
  for (char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string BuildProgramCommand(const std::string& program, const std::string& arguments) {
  std::string command = QuoteForShell(program) + " ";
  if (!arguments.empty()) command += QuoteForShell(arguments);
  return command;
}

bool RunProgram(const std::string& program, const std::string& arguments) {
  return RunCommand(BuildProgramCommand(program, arguments));
}

bool IsOnPath(const std::string& program) {
  if (program.empty() || program.find('/') != std::string::npos) return false;
  const char* path = std::getenv("PATH");
  for (const std::string& folder : Split(path != nullptr ? path : "", ":")) {
    // An empty entry is the working folder, as the shell reads it.
    const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
    struct stat info {};
    if (stat(candidate.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    if (access(candidate.c_str(), X_OK) == 0) return true;
  }
  return false;
}

std::string ChooseOpener(const std::string& preferred, const std::string& fallback) {
  if (IsOnPath(preferred)) return preferred;
  if (IsOnPath(fallback)) return fallback;
  return "";
}

void SetBeepSound(const std::string& soundFile) {
  BeepSound() = soundFile;
}

void Beep() {
  const std::string& sound = BeepSound();
  if (sound.empty()) {
    RingBell();
    return;
  }
  if (!FileExists(sound)) return;
  // In a group of its own, so that ending the beep when the program is stopped also ends the
  // shell and the player under it.
  if (StartBackgroundChild(PlayBeep, sound, true) < 0)
    Log("Beep dropped: no background process could be started.");
}

}  // namespace tessarin
