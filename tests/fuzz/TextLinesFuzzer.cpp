// The line reader over fuzzed files: the lines it gives, each put back with its newline, are
// the file again (a last line without one counts), whatever their length or bytes; and the
// lines written back read back the same.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "tessarin/util/TextFile.h"

using namespace tessarin;

namespace {

using fuzz::Require;
constexpr const char* kFile = "lines.txt";

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  fuzz::WriteBytes(kFile, bytes);
  TextFile file(kFile);
  const std::vector<std::string> lines = file.ReadLines();
  Require(!file.Failed() && !file.NotFound(), "a readable file reads without failure");
  const bool endsOpen = !bytes.empty() && bytes.back() != '\n';
  Require(Joined(lines) == (endsOpen ? bytes + '\n' : bytes), "the lines are the whole file");
  for (const std::string& line : lines)
    Require(line.find('\n') == std::string::npos, "no line holds a newline");
  Require(file.ReadAll().size() == Joined(lines).size() + lines.size(),
          "ReadAll ends each line with two bytes");

  Require(file.WriteLines(lines) && file.ReadLines() == lines, "WriteLines reads back");
  return 0;
}
