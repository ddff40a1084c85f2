#include "game/SoundPlayer.h"

#include <signal.h>

#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/util/FileUtils.h"
#include "tessarin/util/Log.h"

using namespace tessarin;

namespace {
constexpr const char* kPlayer = "aplay";

bool ReportMissing(const std::string& file) {
  if (FileExists(file)) return false;
  Log(file + " non trovato.");
  return true;
}

void PlayOnce(const std::string& file) {
  RunProgram(kPlayer, file);
}

// A player that fails (aplay missing, file unreadable) fails again at once: repeating it
// would only spin, starting shells as fast as the machine allows.
void PlayUntilStopped(const std::string& file) {
  while (!RunProgram(kPlayer, file)) {
  }
}
}  // namespace

SoundPlayer::~SoundPlayer() {
  Stop();
}

void SoundPlayer::PlayInBackground(const std::string& file, bool repeat) {
  if (ReportMissing(file)) return;
  Stop();
  const pid_t child =
      StartBackgroundChild(repeat ? PlayUntilStopped : PlayOnce, file, /*ownProcessGroup=*/true);
  if (child < 0) {
    // Played here it would hold the caller, the event loop, for the whole sound.
    Log(file + " not played: no background process could be started.");
    return;
  }
  pid = child;
  running = true;
}

void SoundPlayer::PlayAndWait(const std::string& file) {
  if (ReportMissing(file)) return;
  Stop();
  PlayOnce(file);
}

void SoundPlayer::Stop() {
  ForgetEndedChild();
  // The shell and aplay are the child's own children: only the group reaches them all.
  if (running) kill(-pid, SIGTERM);
  pid = 0;
  running = false;
}

bool SoundPlayer::IsPlaying() {
  ForgetEndedChild();
  return running;
}

void SoundPlayer::ForgetEndedChild() {
  if (running && !IsChildRunning(pid)) {
    pid = 0;
    running = false;
  }
}

void PlayFileOnce(const std::string& file) {
  SoundPlayer player;
  player.PlayAndWait(file);
}
