// Text and number helpers shared by the whole program. They work on 8-bit strings with the
// character classes of the C locale and return new strings.
#pragma once

#include <string>
#include <vector>

namespace tessarin {

std::string ToString(long value);
std::string IntToString(long value, char pad, std::size_t width);
std::string PadLeft(const std::string& text, char pad, std::size_t width);
std::string HexByte(unsigned value);
std::string Trim(const std::string& text);
std::string TrimRight(const std::string& text);
std::string ToUpper(std::string text);
std::string ToLower(std::string text);
// Replaces every occurrence of what by with in one forward pass; an empty what changes nothing.
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with);
std::string ReplaceChar(const std::string& text, char from, char to);
// Splits at every separator; a trailing separator adds no empty field, a leading one does.
std::vector<std::string> Split(const std::string& text, const std::string& separator);
// The program's 8-bit texts are ISO 8859-1, as its core fonts are; this is the same text in
// UTF-8, for the places (window-manager names) that expect it.
std::string Latin1ToUtf8(const std::string& text);
// The other way, for UTF-8 that comes from outside (a name from the password entry) and is
// drawn in the core font: every character up to U+00FF becomes its one byte; any other
// character, and every byte that is no part of a valid UTF-8 character, becomes "?".
std::string Utf8ToLatin1(const std::string& text);
// The text as valid UTF-8 that cannot drive a terminal: every control character (C0, DEL, C1)
// and every byte that is no part of a valid UTF-8 character becomes "?"; letters such as "é"
// stay as they are.
std::string PrintableUtf8(const std::string& text);
// At most maxBytes of valid UTF-8 text, cut where a character begins, never inside one.
std::string CutUtf8(const std::string& text, std::size_t maxBytes);

}  // namespace tessarin
