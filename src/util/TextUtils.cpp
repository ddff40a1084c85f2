#include "tessarin/util/TextUtils.h"

#include <cctype>
#include <cstdio>

namespace tessarin {

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

namespace {
constexpr char kNotShown = '?';

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// What a lead byte says of the character it begins: its length (0 when it begins none), its
// payload bits and the least code point that may take that length (below it, an overlong form).
struct Utf8Lead {
  std::size_t length;
  char32_t payload;
  char32_t least;
};

Utf8Lead LeadOf(unsigned char lead) {
  if (lead < 0x80) return {1, lead, 0};
  if (lead >= 0xC2 && lead <= 0xDF) return {2, lead & 0x1Fu, 0x80};
  if ((lead & 0xF0) == 0xE0) return {3, lead & 0x0Fu, 0x800};
  if (lead >= 0xF0 && lead <= 0xF4) return {4, lead & 0x07u, 0x10000};
  return {0, 0, 0};
}

// The length of the valid UTF-8 character at text[at], its code point in code; 0 when the
// bytes there are none: a stray continuation, a sequence cut short, an overlong form, a
// surrogate or a code point past U+10FFFF.
std::size_t DecodeUtf8(const std::string& text, std::size_t at, char32_t& code) {
  const Utf8Lead lead = LeadOf(static_cast<unsigned char>(text[at]));
  if (lead.length == 0 || text.size() - at < lead.length) return 0;
  code = lead.payload;
  for (std::size_t i = 1; i < lead.length; ++i) {
    if (!IsContinuation(text[at + i])) return 0;
    code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3Fu);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < lead.least || code > 0x10FFFF || surrogate ? 0 : lead.length;
}

// Calls take(at, length, code) for every character of text in turn, and take(at, 0, 0) for
// every byte that is no part of a valid one.
template <typename Take>
void ForEachUtf8(const std::string& text, Take take) {
  for (std::size_t at = 0; at < text.size();) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8(text, at, code);
    take(at, length, length == 0 ? 0 : code);
    at += length == 0 ? 1 : length;
  }
}

bool IsControl(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}
}  // namespace

std::string Utf8ToLatin1(const std::string& text) {
  std::string latin1;
  latin1.reserve(text.size());
  ForEachUtf8(text, [&](std::size_t, std::size_t length, char32_t code) {
    latin1 += length == 0 || code > 0xFF ? kNotShown : static_cast<char>(code);
  });
  return latin1;
}

std::string PrintableUtf8(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  ForEachUtf8(text, [&](std::size_t at, std::size_t length, char32_t code) {
    if (length == 0 || IsControl(code)) {
      shown += kNotShown;
    } else {
      shown.append(text, at, length);
    }
  });
  return shown;
}

std::string CutUtf8(const std::string& text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  while (end > 0 && IsContinuation(text[end])) --end;
  return text.substr(0, end);
}

}  // namespace tessarin
