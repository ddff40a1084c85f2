// Plays WAV files through the external player `aplay`, either waiting or in a background
// child that may repeat the file until stopped. The player owns the record of its one
// background child; the child leads its own process group so that stopping it also ends
// the shell and the `aplay` it started.
#pragma once

#include <sys/types.h>

#include <string>

class SoundPlayer {
 public:
  SoundPlayer() = default;
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Stops any sound already playing, then plays file in the background; with repeat it
  // plays again each time the player ends, until stopped. When no background child can be
  // started the sound is not played, with a log line.
  void PlayInBackground(const std::string& file, bool repeat);
  // Stops any background sound, then plays file once and returns when it has ended.
  void PlayAndWait(const std::string& file);
  // Ends the background sound, if one is still ours.
  void Stop();

  // True while a background child is recorded and has not ended.
  bool IsPlaying();
  pid_t Pid() const { return pid; }

 private:
  // Forgets a child that has ended and been reaped, so its pid is never signalled.
  void ForgetEndedChild();

  pid_t pid = 0;
  bool running = false;
};

// A temporary player that plays file once and waits.
void PlayFileOnce(const std::string& file);
