// Text and number helpers shared by the whole program. They work on 8-bit strings with the
// character classes of the C locale and return new strings.
#pragma once

#include <string>
#include <vector>

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
