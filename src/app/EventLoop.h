// The one event loop of the program.
//
// RunEventLoop reads X events until the quit flag is set, finds the form each event belongs
// to and delivers it to the form and its elements; while nothing is queued it sleeps until
// the first running punctual timer is due, or until input or a wake-up (app/LoopWakeUp.h)
// comes, and then advances the timers and the idle counter by each whole 10 ms it waited. No
// dialog runs a loop of its own: a dialog disables its owner, and a disabled form gets only its
// own mouse presses and releases. DispatchEvent routes one event exactly as the loop does.
#pragma once

#include <X11/Xlib.h>

namespace tessarin {

class Form;

// Why the loop ended: the quit flag, or another client destroyed the main window, after
// which the program ends as it does on a lost connection.
enum class LoopEnd { Quit, MainWindowDestroyed };

LoopEnd RunEventLoop(Form* mainForm);

// Delivers one event as the loop would; mainForm is the loop's main form (close requests on
// it are only asked, never carried out here).
void DispatchEvent(Form* mainForm, XEvent& event);

// Waits up to timeoutMs for the X connection to become readable, resuming after signals.
// Returns false when the whole time passed without input.
bool WaitForConnection(Display* display, int timeoutMs);

}  // namespace tessarin
