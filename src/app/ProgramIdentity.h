// Who a program on the toolkit says it is: its command name and version, the class and icon
// name its windows carry, where its log goes and how it beeps. Stated once, before the first
// form is made (RunMainForm states the one its ProgramUsage holds); the toolkit reads it from
// then on. Nothing stated means a neutral program: its windows' class is its command name, it
// logs to standard output only and beeps with the X bell.
#pragma once

#include <string>

namespace tessarin {

struct ProgramIdentity {
  // The command name, as the usage line, --version and the messages show it.
  const char* name = "";
  // What --version prints after the name; null for the name alone.
  const char* version = nullptr;
  // The WM_CLASS name and class of every window; null for the name.
  const char* windowClass = nullptr;
  // The name a window manager shows for an iconified window; null for the window class.
  const char* iconName = nullptr;
  // The log's file in the working folder, made anew at the start; null for standard output
  // alone.
  const char* logFile = nullptr;
  // A sound file that Beep plays with aplay (silent when it is missing); null for the X bell.
  const char* beepSound = nullptr;
};

// Takes the identity and starts the log it names; before the first form, since each window
// takes its class when it is made.
void SetProgramIdentity(const ProgramIdentity& identity);

}  // namespace tessarin
