// Starting external programs: command lines handed to the shell, the short beep, and
// background children that are reaped as soon as they end. The children table is
// process-wide and owns nothing but pids; a SIGCHLD handler collects only the children
// started here, so statuses waited for by system() or by other code are never taken away,
// and the program ends the children that must not outlive it when it is made to stop.
#pragma once

#include <sys/types.h>

#include <string>

namespace tessarin {

// Hands the line to the shell and waits; true on FAILURE (status not 0).
bool RunCommand(const std::string& commandLine);

// The argument as one shell word: unchanged when it holds only letters, digits and
// _ . / : @ = + , - ; otherwise single-quoted, with embedded single quotes escaped.
std::string QuoteForShell(const std::string& argument);

// "program argument" with both quoted for the shell where needed. The arguments text is ONE
// argument (callers pass a path); an empty one adds nothing after the blank.
std::string BuildProgramCommand(const std::string& program, const std::string& arguments);

// Runs BuildProgramCommand(program, arguments) through the shell and waits; true on failure.
bool RunProgram(const std::string& program, const std::string& arguments);

// True when a folder of PATH holds an executable file of that name.
bool IsOnPath(const std::string& program);

// The program that opens something: preferred when PATH holds it, else fallback when PATH
// holds that, else "" (nothing can open it).
std::string ChooseOpener(const std::string& preferred, const std::string& fallback);

// The program's beep: the sound file SetBeepSound named (the game's "Data/beep.wav"), played
// with aplay in a background child and silent when the file is missing, or the X bell of the
// default application's display when none was named. When no child
// can be started (the table is full, fork fails) the beep is dropped with a log line: the
// program never plays it itself, which would stop its event loop for as long as the player
// runs.
void Beep();
// The sound file Beep plays from now on; an empty name for the X bell.
void SetBeepSound(const std::string& soundFile);

// Sounds end with the program; a browser or a mail composer the player opened lives on.
enum class ChildLifetime { EndsWithProgram, OutlivesProgram };

// At most this many background children are alive at once.
constexpr int kMaxBackgroundChildren = 64;
// Lowers the limit (0 up to kMaxBackgroundChildren), so that a test fills the table with a
// child or two; children already started keep their slots.
void LimitBackgroundChildren(int count);

// Forks a child that runs body(arg) and ends with _exit(0); with ownProcessGroup the child
// leads a new process group, so signalling -pid reaches everything it started. Returns the
// child's pid, or -1, logging nothing, when no child could be started: the table is full or
// fork failed. Every child started is in the table until it is reaped. A group leader that
// ends with the program ends its whole group when a termination signal reaches it alone.
pid_t StartBackgroundChild(void (*body)(const std::string&), const std::string& arg,
                           bool ownProcessGroup,
                           ChildLifetime lifetime = ChildLifetime::EndsWithProgram);

// True while pid is a child started here that has not yet been reaped.
bool IsChildRunning(pid_t pid);

// Collects every finished child started here without waiting; safe from normal code.
void ReapFinishedChildren();

// Sends SIGTERM to every background child that ends with the program, and to the process
// group it leads. Async-signal-safe, for the handlers that end the program.
void EndBackgroundChildren();

}  // namespace tessarin
