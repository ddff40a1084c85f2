#include "app/UserMessage.h"

UserMessageSender::UserMessageSender(Display* display, Window window) : window(window) {
  if (display != nullptr) displayName = DisplayString(display);
}

bool UserMessageSender::Send() const {
  if (window == 0) return false;
  Display* display = XOpenDisplay(displayName.c_str());
  if (display == nullptr) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = None;
  event.xclient.format = 32;
  event.xclient.data.l[0] = 1;
  XSendEvent(display, window, False, NoEventMask, &event);
  XCloseDisplay(display);
  return true;
}
