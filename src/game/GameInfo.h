// The facts the game tells about itself: product line, maker's web address and mailbox,
// freeware notice and attribution. Plain constants owned by nobody; the window title and the
// About window are built from them.
#pragma once

#include <string>

// The About window forms the mail address by dropping the first 12 characters ("https://www.")
// of this address, so it must keep that prefix; its link is 200 pixels wide, 28 characters.
inline constexpr char kWebAddress[] = "https://www.tessarin.example";
inline constexpr char kMailboxName[] = "info";
inline constexpr char kNotice[] = "Freeware - free to play and to share.";
inline constexpr char kAttribution[] = "Written by the Tessarin team on its own Xlib toolkit.";
inline constexpr char kProductLine[] = "Tessarin 1.0.0.0";

// "Tessarin - " + web address + " " + notice.
std::string WindowTitle();
