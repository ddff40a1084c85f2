// One of our real programs (the game, the gallery), run the way a player runs it: in a scratch
// working directory that holds the Data/ files it reads, on the private X server. The
// programs it starts (aplay, firefox, thunderbird) are replaced by stand-in scripts found
// first on PATH, which only write their command line to a file, so a test can see every
// command line and nothing real is started. Whatever still runs when the object goes away is
// killed and reaped.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "support/TempDirectory.h"
#include "support/Waiting.h"
#include "support/XServerFixture.h"

class ProgramProcess {
 public:
  // binary: the built program; sourceDir: the repository, whose Data/beep.wav and the other
  // named files of its Data/ are copied.
  ProgramProcess(std::string binary, const std::string& sourceDir,
                 const std::vector<std::string>& dataFiles = {});
  // binary started in an empty working directory, with environment entries ("NAME=value")
  // that replace the test's own: an installed launcher, which brings its own Data/.
  ProgramProcess(std::string binary, std::vector<std::string> environment);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  // The program's working directory, before and after the run.
  const std::string& WorkDir() const { return workDir.Path(); }
  std::string WorkPath(const std::string& name) const { return workDir.File(name); }
  void WriteWorkFile(const std::string& name, const std::string& content) const;
  std::optional<std::string> ReadWorkFile(const std::string& name) const;
  void RemoveBeepFile() const;

  // Before Start: an environment entry ("NAME=value") for the program, replacing the test's own.
  void SetEnvironment(const std::string& entry);
  // Before Start: the stand-in records its call and then runs these shell lines ("exit 1",
  // "exec sleep 20").
  void ReplaceStandIn(const std::string& program, const std::string& thenRun) const;
  // Before Start: no such program anywhere: the stand-in goes, and PATH holds the stand-ins
  // alone, so that the system's own copy is not found either.
  void MakeProgramMissing(const std::string& program);
  // Before Start: the program sees its working directory read-only, as root too (ReadOnlyView.h).
  void MakeWorkDirReadOnly() { readOnlyWorkDir = true; }
  // Before Start: the program runs under this command ("valgrind", "--quiet", ...), which must
  // exec it in the same process, so that Pid() stays the program's. The first word is looked
  // up on PATH when it holds no slash.
  void RunUnder(std::vector<std::string> command) { wrapper = std::move(command); }
  // Before Start: the words that follow the program's name on its command line.
  void SetArguments(std::vector<std::string> words) { arguments = std::move(words); }

  // Starts the binary; false when it cannot be started at all, or while it still runs. Once
  // it has ended and been waited for, it starts again in the same working directory.
  bool Start();
  pid_t Pid() const { return pid; }
  // The moment, on the steady clock, at which the started child was about to exec the program:
  // what a start-up time counts from, without the harness's own fork.
  std::chrono::steady_clock::time_point ExecAt() const { return execAt; }
  bool IsRunning();
  // The wait status once the program has ended on its own within the deadline.
  std::optional<int> WaitForExit(std::chrono::milliseconds deadline = waiting::kDeadline);
  void KillAndReap();

  // One entry per run of the stand-in: its arguments joined by blanks.
  std::vector<std::string> CallsOf(const std::string& program) const;
  bool WaitForCalls(const std::string& program, std::size_t count) const;

  // Children the program has not reaped, and children still running.
  std::vector<pid_t> ZombieChildren() const;
  std::vector<pid_t> LiveChildren() const;
  // Every live process started on behalf of this run (the program and anything it started,
  // found by a marker in their environment), the test process left out.
  std::vector<pid_t> LiveProcessesOfThisRun() const;
  // Waits until every child the program started has ended and has been collected.
  ::testing::AssertionResult NoChildLeft() const;
  // Waits until nothing started on behalf of this run is still running.
  ::testing::AssertionResult NothingLeftRunning() const;

  // The program's standard output and error, for failure messages.
  std::string Output() const;
  std::string StandardOutput() const;
  std::string ErrorOutput() const;

 private:
  void WriteStandIn(const std::string& program, const std::string& thenRun = "") const;
  void CopyDataFiles(const std::string& sourceDir, const std::vector<std::string>& names) const;
  std::vector<std::string> ChildEnvironment() const;
  std::string Marker() const;
  std::vector<std::string> CommandLine() const;

  std::string binary;
  std::vector<std::string> wrapper;
  std::vector<std::string> arguments;
  std::vector<std::string> extraEnvironment;
  TempDirectory workDir;
  TempDirectory toolDir;
  bool standInsOnlyOnPath = false;
  bool readOnlyWorkDir = false;
  pid_t pid = -1;
  std::chrono::steady_clock::time_point execAt;
  std::optional<int> exitStatus;
};
