#include "util/TextUtils.h"

#include <cctype>
#include <cstdio>

std::string ToString(long value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%ld", value);
  return buffer;
}

std::string PadLeft(const std::string& text, char pad, std::size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), pad) + text;
}

std::string IntToString(long value, char pad, std::size_t width) {
  return PadLeft(ToString(value), pad, width);
}

std::string HexByte(unsigned value) {
  char buffer[4];
  std::snprintf(buffer, sizeof buffer, "%02X", value & 0xFFu);
  return buffer;
}

namespace {
bool IsSpace(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}
}  // namespace

std::string TrimRight(const std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && IsSpace(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string Trim(const std::string& text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsSpace(text[begin])) ++begin;
  return TrimRight(text.substr(begin));
}

std::string ToUpper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string ToLower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
  if (what.empty()) return text;
  // A replacement that contains what would be found again for ever: replace each occurrence
  // once, in one forward pass.
  const bool forwardOnly = with.find(what) != std::string::npos;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(what, from)) != std::string::npos;) {
    text.replace(at, what.size(), with);
    // Otherwise the replacement may complete a new occurrence with the text before it; no
    // occurrence can start earlier than that, so searching from there equals searching anew.
    from = forwardOnly ? at + with.size() : (at + 1 > what.size() ? at + 1 - what.size() : 0);
  }
  return text;
}

std::string ReplaceChar(const std::string& text, char from, char to) {
  return ReplaceAll(text, std::string(1, from), std::string(1, to));
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> fields;
  if (text.empty() || separator.empty()) return fields;
  std::size_t position = 0;
  while (true) {
    std::size_t found = text.find(separator, position);
    if (found == std::string::npos) {
      if (position < text.size()) fields.push_back(text.substr(position));
      return fields;
    }
    fields.push_back(text.substr(position, found - position));
    position = found + separator.size();
  }
}

std::string Latin1ToUtf8(const std::string& text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return utf8;
}
