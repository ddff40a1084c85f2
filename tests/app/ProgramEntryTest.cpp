// The program entries of the game and the gallery as seen from outside, where no X server is
// needed: each clears the last run's log and, when no display can be opened, says so and
// stops with a failure status; each answers --help and --version and refuses other arguments
// without touching its folder.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/TempDirectory.h"
#include "support/WithoutPrivileges.h"

namespace {

struct Program {
  const char* binary;
  std::string name;
};

const Program kGame{TESSARIN_BINARY, "tessarin"};
const Program kGallery{TESSARIN_GALLERY_BINARY, "tessarin-gallery"};

// Standard output a file, and a pipe whose reader has gone: the line that no longer reaches
// standard output ends nothing (no SIGPIPE) and still reaches the log.
TEST(ProgramEntry, WithoutADisplayItLogsTheFailureCreatesNoWindowAndExitsWithOne) {
  for (const Program& program : {kGame, kGallery}) {
    for (const bool closedPipe : {false, true}) {
      SCOPED_TRACE(program.name + (closedPipe ? ", output a closed pipe" : ", output a file"));
      TempDirectory folder;
      const std::string dir = folder.Path();
      WriteFileText(folder.File("log.txt"), "a line from an earlier run\n");
      int channel[2];
      ASSERT_EQ(pipe(channel), 0);
      close(channel[0]);

      pid_t child = fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        if (chdir(dir.c_str()) != 0) _exit(90);
        // A display number no server listens on.
        setenv("DISPLAY", ":4097", 1);
        if (closedPipe ? dup2(channel[1], STDOUT_FILENO) < 0
                       : std::freopen("stdout.txt", "w", stdout) == nullptr)
          _exit(92);
        execl(program.binary, program.name.c_str(), static_cast<char*>(nullptr));
        _exit(91);
      }
      close(channel[1]);
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
      EXPECT_EQ(WEXITSTATUS(status), 1);
      EXPECT_EQ(FileText(folder.File("log.txt")), "XOpenDisplay(0) failed.\n");
      if (!closedPipe) {
        EXPECT_EQ(FileText(folder.File("stdout.txt")), "XOpenDisplay(0) failed.\n");
      }
    }
  }
}

struct RunResult {
  int status = -1;
  std::string out;
  std::string errors;
};

// Runs the program in dir with the arguments, on a display no server listens on; as a user
// whom file modes stop when asked (status kNoPrivilegeDrop when it cannot be one).
RunResult RunProgram(const Program& program, const std::string& dir,
                     const std::vector<std::string>& arguments, bool withoutPrivileges = false) {
  std::vector<char*> argv{const_cast<char*>(program.name.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const std::string outPath = dir + "/../out.txt", errPath = dir + "/../err.txt";
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(dir.c_str()) != 0) _exit(90);
    setenv("DISPLAY", ":4097", 1);
    if (std::freopen(outPath.c_str(), "w", stdout) == nullptr) _exit(92);
    if (std::freopen(errPath.c_str(), "w", stderr) == nullptr) _exit(92);
    if (withoutPrivileges && !DropPrivileges()) _exit(kNoPrivilegeDrop);
    execv(program.binary, argv.data());
    _exit(91);
  }
  RunResult run;
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    run.status = WEXITSTATUS(status);
  }
  run.out = FileText(outPath);
  run.errors = FileText(errPath);
  return run;
}

TEST(ProgramEntry, OptionsAnswerAndUnknownArgumentsAreRefusedWithoutTouchingTheFolder) {
  struct Case {
    Program program;
    std::vector<std::string> arguments;
    int status;
    std::string outStart;
    std::string errorsStart;
  };
  const std::string usage = "Usage: tessarin [--help | --version | --scores | --size N]\n";
  const std::string badSide = "tessarin: --size takes a side from 3 to 6, not ";
  const std::string galleryUsage = "Usage: tessarin-gallery [--help | --version]\n";
  const std::vector<Case> cases = {
      {kGame, {"--help"}, 0, usage, ""},
      {kGame, {"--version"}, 0, "tessarin 1.0.0.0\n", ""},
      {kGame, {"--bogus"}, 2, "", "tessarin: unexpected argument '--bogus'\n\n" + usage},
      {kGame, {"-h"}, 2, "", "tessarin: unexpected argument '-h'\n\n" + usage},
      {kGame, {"--version", "--help"}, 2, "", "tessarin: unexpected argument '--help'\n\n" + usage},
      {kGame, {""}, 2, "", "tessarin: unexpected argument ''\n\n" + usage},
      // A side the game has no board of is refused in one line, before anything opens.
      {kGame, {"--size", "7"}, 2, "", badSide + "'7'\n"},
      {kGame, {"--size", "4x4"}, 2, "", badSide + "'4x4'\n"},
      {kGame, {"--size", ""}, 2, "", badSide + "''\n"},
      {kGame, {"--size"}, 2, "", "tessarin: unexpected argument '--size'\n\n" + usage},
      {kGallery, {"--help"}, 0, galleryUsage, ""},
      {kGallery, {"--version"}, 0, "tessarin-gallery 1.0.0.0\n", ""},
      {kGallery,
       {"--help", "x"},
       2,
       "",
       "tessarin-gallery: unexpected argument 'x'\n\n" + galleryUsage},
  };
  TempDirectory scratch;
  const std::string dir = scratch.File("work");
  ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
  WriteFileText(dir + "/log.txt", "a line from an earlier run\n");
  for (const Case& test : cases) {
    const std::string name = test.program.name + " " + test.arguments.front();
    const RunResult run = RunProgram(test.program, dir, test.arguments);
    EXPECT_EQ(run.status, test.status) << name;
    EXPECT_EQ(run.out.rfind(test.outStart, 0), 0u) << name << ": " << run.out;
    EXPECT_EQ(run.errors.rfind(test.errorsStart, 0), 0u) << name << ": " << run.errors;
    EXPECT_EQ(run.out.empty(), test.outStart.empty()) << name;
    EXPECT_EQ(run.errors.empty(), test.errorsStart.empty()) << name;
    EXPECT_EQ(FileText(dir + "/log.txt"), "a line from an earlier run\n") << name;
  }
}

// --scores on tables that a hand (or another user) wrote: the results show in the player's
// units, as the statistics window shows them; lines that are no score are passed over; a name
// keeps its letters, while escape sequences, C1 controls and broken UTF-8 reach the terminal
// only as "?". A moves table that cannot be read (mode 000, read as a user it stops) is said
// on standard error, with status 1, and keeps its bytes.
TEST(ProgramEntry, ScoresPrintAsTheStatisticsWindowShowsThemAndNothingThatDrivesATerminal) {
  const std::string hostile =
      "\n"
      "00000068 root\n"
      "abcdefgh letters\n"
      "00000070 Jos\u00E9 \u00DCn\u00EFcode\n"
      "00000071 \x1B]0;owned\x07title\x7F\n"
      "00000072 \x1B[2J\xC2\x9Bm\n"
      "00000073 raw \x9Bm \xFF\xC3.\n"
      "not a score line\n"
      "00000074\n";
  std::string nine;
  for (int score = 1; score <= 9; ++score) nine += "0000000" + std::to_string(score) + " p\n";
  struct Case {
    const char* name;
    std::string moves;
    bool movesUnreadable;
    int status;
    std::string out;
    std::string errors;
  };
  const std::string times = "Shortest time:\n   1.   1:08  root\n";
  const std::vector<Case> cases = {
      {"crafted", hostile, false, 0,
       "Fewest moves:\n"
       "   1.     68  root\n"
       "   2.     70  Jos\u00E9 \u00DCn\u00EFcode\n"
       "   3.     71  ?]0;owned?title?\n"
       "   4.     72  ?[2J?m\n"
       "   5.     73  raw ?m ??.\n" +
           times,
       ""},
      {"unreadable", nine, true, 1, "Fewest moves:\n" + times,
       "tessarin: Score table Data/Moves/Score/Classifica.txt cannot be read: Permission "
       "denied\n"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    TempDirectory scratch;
    const std::string dir = scratch.File("work");
    for (const char* folder :
         {"", "/Data", "/Data/Moves", "/Data/Moves/Score", "/Data/Time", "/Data/Time/Score"}) {
      ASSERT_EQ(mkdir((dir + folder).c_str(), 0755), 0) << folder;
    }
    ASSERT_EQ(chmod(scratch.Path().c_str(), 0755), 0);
    const std::string movesFile = dir + "/Data/Moves/Score/Classifica.txt";
    WriteFileText(movesFile, test.moves);
    WriteFileText(dir + "/Data/Time/Score/Classifica.txt", "00000068 root\n");
    if (test.movesUnreadable) {
      ASSERT_EQ(chmod(movesFile.c_str(), 0), 0);
    }

    const RunResult run = RunProgram(kGame, dir, {"--scores"}, test.movesUnreadable);
    chmod(movesFile.c_str(), 0644);
    if (run.status == kNoPrivilegeDrop) GTEST_SKIP() << kNoPrivilegeDropReason;
    EXPECT_EQ(run.status, test.status);
    EXPECT_EQ(run.out, test.out);
    EXPECT_EQ(run.errors, test.errors);
    EXPECT_EQ(FileText(movesFile), test.moves);
  }
}

}  // namespace
