// Counts the beeps the code under test sounds: for its life the process beeps as the game does,
// with Data/beep.wav, in a scratch folder holding that file, and a stand-in aplay first on PATH
// records each time it is started. X-free and header-only; the counter owns the folder and the
// stand-in.
#pragma once

#include <sys/stat.h>

#include <cstddef>

#include "support/StandInPlayer.h"
#include "support/TempDirectory.h"
#include "support/Waiting.h"
#include "tessarin/app/ExternalPrograms.h"

class BeepCounter {
 public:
  BeepCounter() {
    mkdir("Data", 0777);
    WriteFileText("Data/beep.wav", "RIFF");
    tessarin::SetBeepSound("Data/beep.wav");
  }
  ~BeepCounter() { tessarin::SetBeepSound(""); }
  BeepCounter(const BeepCounter&) = delete;
  BeepCounter& operator=(const BeepCounter&) = delete;

  std::size_t Count() const { return player.Runs().size(); }

  // Each beep plays in a child of its own, so it is recorded a little later: waits until at
  // least n have been, and answers how many there are then.
  std::size_t WaitFor(std::size_t n) const {
    waiting::WaitUntil([&] { return Count() >= n; });
    return Count();
  }

 private:
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
  StandInPlayer player{false};
};
