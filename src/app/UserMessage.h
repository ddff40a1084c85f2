// The toolkit's user message from another thread: a ClientMessage of type None whose first
// word is 1, which the event loop hands to the window's Form::OnUserMessage. A worker thread
// must not use the loop's connection, so the message goes out on a connection of its own,
// opened for it and closed at once; the server puts it into the loop's queue, which wakes a
// loop that sleeps.
#pragma once

#include <X11/Xlib.h>

#include <string>

class UserMessageSender {
 public:
  // Made on the loop's thread from a form's connection and window: it notes the display's
  // name and the window.
  UserMessageSender(Display* display, Window window);

  // Safe on any thread, as long as the form's window lives until it returns. False when the
  // display does not open or the form has no window.
  bool Send() const;

 private:
  std::string displayName;
  Window window = 0;
};
