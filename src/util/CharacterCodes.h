// The character codes the toolkit reacts to, as the keyboard delivers them in KeyChar: the
// first byte XLookupString produced. Keys are told apart by keysym (XK_ names) where Xlib
// gives one; these are the characters.
#pragma once

namespace tessarin {

constexpr char kBackspaceChar = 8;
constexpr char kTabChar = 9;
constexpr char kReturnChar = 13;
constexpr char kEscapeChar = 27;
constexpr char kSpaceChar = 32;
constexpr char kDeleteChar = 127;

}  // namespace tessarin
