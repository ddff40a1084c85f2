// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "support/ProgramProcess.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

#include "support/ProcessProbe.h"
#include "support/ReadOnlyView.h"

extern char** environ;

namespace {

const char kMarkerName[] = "TESSARIN_E2E_RUN";
const char* const kStandIns[] = {"aplay", "firefox", "thunderbird"};

// The file's text, or nothing when there is no such file to read.
std::optional<std::string> ReadIfPresent(const std::string& path) {
  if (access(path.c_str(), R_OK) != 0) return std::nullopt;
  return FileText(path);
}

struct ProcessEntry {
  pid_t pid = 0;
  char state = '?';
  pid_t parent = 0;
};

std::optional<ProcessEntry> ReadProcessEntry(pid_t pid) {
  ProcessEntry entry;
  entry.pid = pid;
  entry.state = ProcessState(pid, &entry.parent);
  if (entry.state == 0) return std::nullopt;
  return entry;
}

std::vector<ProcessEntry> AllProcesses() {
  std::vector<ProcessEntry> processes;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return processes;
  while (dirent* entry = readdir(proc)) {
    char* end = nullptr;
    const long pid = std::strtol(entry->d_name, &end, 10);
    if (pid <= 0 || *end != '\0') continue;
    if (auto process = ReadProcessEntry(static_cast<pid_t>(pid))) processes.push_back(*process);
  }
  closedir(proc);
  return processes;
}

bool EnvironmentHolds(pid_t pid, const std::string& entry) {
  const auto environment = ReadIfPresent("/proc/" + std::to_string(pid) + "/environ");
  if (!environment) return false;
  std::size_t start = 0;
  while (start < environment->size()) {
    std::size_t end = environment->find('\0', start);
    if (end == std::string::npos) end = environment->size();
    if (environment->compare(start, end - start, entry) == 0) return true;
    start = end + 1;
  }
  return false;
}

std::string Join(const std::vector<pid_t>& pids) {
  std::string text;
  for (pid_t pid : pids) text += std::to_string(pid) + " ";
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// The first folder of PATH that holds an executable named so; the name itself when none does.
std::string FindOnPath(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
  for (std::string folder; std::getline(folders, folder, ':');) {
    const std::string candidate = folder + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return name;
}

// The steady clock's reading that the child writes just before it execs, in memory it shares
// with the harness.
using ExecStamp = std::atomic<std::chrono::steady_clock::rep>;

// Runs in the forked child: only calls that are safe between fork and exec.
[[noreturn]] void BecomeTheProgram(const char* executable, char* const* arguments,
                                   const char* workDir, bool readOnly, const char* outPath,
                                   const char* errPath, char* const* environment, pid_t harness,
                                   ExecStamp* stamp) {
  // Never outlive the harness, whatever ends it: a killed test or benchmark leaves no program
  // running on the server. The check after covers a harness that died before the call.
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != harness) _exit(124);
  setpgid(0, 0);
  if (readOnly && !EnterReadOnlyView(workDir)) _exit(125);
  if (chdir(workDir) != 0) _exit(126);
  const int input = open("/dev/null", O_RDONLY);
  const int output = open(outPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int errors = open(errPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (input < 0 || output < 0 || errors < 0) _exit(126);
  dup2(input, STDIN_FILENO);
  dup2(output, STDOUT_FILENO);
  dup2(errors, STDERR_FILENO);
  *stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  execve(executable, arguments, environment);
  _exit(127);
}

}  // namespace

ProgramProcess::ProgramProcess(std::string binary, const std::string& sourceDir,
                               const std::vector<std::string>& dataFiles)
    : binary(std::move(binary)) {
  for (const char* program : kStandIns) WriteStandIn(program);
  std::vector<std::string> names{"beep.wav"};
  names.insert(names.end(), dataFiles.begin(), dataFiles.end());
  CopyDataFiles(sourceDir, names);
}

ProgramProcess::ProgramProcess(std::string binary, std::vector<std::string> environment)
    : binary(std::move(binary)), extraEnvironment(std::move(environment)) {
  for (const char* program : kStandIns) WriteStandIn(program);
}

ProgramProcess::~ProgramProcess() {
  KillAndReap();
}

void ProgramProcess::WriteStandIn(const std::string& program, const std::string& thenRun) const {
  const std::string path = toolDir.File(program);
  {
    std::ofstream script(path);
    script << "#!/bin/sh\n"
           << "# Stand-in for " << program << ": records its command line, starts nothing.\n"
           << "printf '%s\\n' \"$*\" >> '" << toolDir.File(program + ".calls") << "'\n"
           << thenRun << "\n";
  }
  chmod(path.c_str(), 0755);
}

void ProgramProcess::ReplaceStandIn(const std::string& program, const std::string& thenRun) const {
  WriteStandIn(program, thenRun);
}

void ProgramProcess::MakeProgramMissing(const std::string& program) {
  std::remove(toolDir.File(program).c_str());
  standInsOnlyOnPath = true;
}

void ProgramProcess::SetEnvironment(const std::string& entry) {
  const std::string name = entry.substr(0, entry.find('=') + 1);
  for (std::string& extra : extraEnvironment) {
    if (extra.rfind(name, 0) == 0) {
      extra = entry;
      return;
    }
  }
  extraEnvironment.push_back(entry);
}

void ProgramProcess::CopyDataFiles(const std::string& sourceDir,
                                   const std::vector<std::string>& names) const {
  mkdir(workDir.File("Data").c_str(), 0755);
  for (const std::string& name : names) {
    const auto content = ReadIfPresent(sourceDir + "/Data/" + name);
    // The stand-in player never reads the sound; the programs only ask whether it exists.
    WriteWorkFile("Data/" + name, content.value_or("a stand-in for " + name));
  }
}

void ProgramProcess::RemoveBeepFile() const {
  std::remove(WorkPath("Data/beep.wav").c_str());
}

void ProgramProcess::WriteWorkFile(const std::string& name, const std::string& content) const {
  std::ofstream file(WorkPath(name), std::ios::binary);
  file << content;
}

std::optional<std::string> ProgramProcess::ReadWorkFile(const std::string& name) const {
  return ReadIfPresent(WorkPath(name));
}

std::string ProgramProcess::Marker() const {
  return std::string(kMarkerName) + "=" + toolDir.Path();
}

std::vector<std::string> ProgramProcess::ChildEnvironment() const {
  std::vector<std::string> environment = extraEnvironment;
  std::string path = "/usr/local/bin:/usr/bin:/bin";
  const std::string markerPrefix = std::string(kMarkerName) + "=";
  const auto replaced = [this](const std::string& entry) {
    const std::string name = entry.substr(0, entry.find('=') + 1);
    for (const std::string& extra : extraEnvironment) {
      if (extra.rfind(name, 0) == 0) return true;
    }
    return false;
  };
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (text.rfind("PATH=", 0) == 0) {
      path = text.substr(5);
    } else if (text.rfind(markerPrefix, 0) != 0 && !replaced(text)) {
      environment.push_back(text);
    }
  }
  environment.push_back("PATH=" + toolDir.Path() + (standInsOnlyOnPath ? "" : ":" + path));
  environment.push_back(Marker());
  return environment;
}

// The argument list as the wrapper, if any, and then the program see it; the program's own
// name stands first when it runs alone.
std::vector<std::string> ProgramProcess::CommandLine() const {
  std::vector<std::string> words{binary.substr(binary.rfind('/') + 1)};
  if (!wrapper.empty()) {
    words = wrapper;
    words.front() = FindOnPath(words.front());
    words.push_back(binary);
  }
  words.insert(words.end(), arguments.begin(), arguments.end());
  return words;
}

bool ProgramProcess::Start() {
  if (pid > 0 && !exitStatus) return false;
  exitStatus.reset();
  const std::vector<std::string> environment = ChildEnvironment();
  const std::vector<std::string> commandLine = CommandLine();
  const auto pointersTo = [](const std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (const std::string& word : words) pointers.push_back(const_cast<char*>(word.c_str()));
    pointers.push_back(nullptr);
    return pointers;
  };
  const std::vector<char*> environmentPointers = pointersTo(environment);
  const std::vector<char*> argumentPointers = pointersTo(commandLine);
  const std::string executable = wrapper.empty() ? binary : commandLine.front();
  const std::string outPath = toolDir.File("program-stdout.txt");
  const std::string errPath = toolDir.File("program-stderr.txt");
  void* shared =
      mmap(nullptr, sizeof(ExecStamp), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (shared == MAP_FAILED) return false;
  auto* stamp = new (shared) ExecStamp(0);
  const pid_t harness = getpid();
  execAt = std::chrono::steady_clock::now();
  pid = fork();
  if (pid == 0) {
    BecomeTheProgram(executable.c_str(), argumentPointers.data(), workDir.Path().c_str(),
                     readOnlyWorkDir, outPath.c_str(), errPath.c_str(), environmentPointers.data(),
                     harness, stamp);
  }
  // The child stamps long before it can show a window. Looked for often, since a benchmark
  // times the start-up from here; the fork's moment stays when no stamp comes.
  for (int look = 0; pid > 0 && look < 1000 && *stamp == 0; ++look) {
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
  if (*stamp != 0) {
    execAt = std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(*stamp));
  }
  munmap(shared, sizeof(ExecStamp));
  return pid > 0;
}

bool ProgramProcess::IsRunning() {
  if (pid <= 0 || exitStatus) return false;
  int status = 0;
  if (waitpid(pid, &status, WNOHANG) != pid) return true;
  exitStatus = status;
  return false;
}

std::optional<int> ProgramProcess::WaitForExit(std::chrono::milliseconds deadline) {
  waiting::WaitUntil([this] { return !IsRunning(); }, deadline);
  return exitStatus;
}

void ProgramProcess::KillAndReap() {
  if (pid <= 0) return;
  if (IsRunning()) {
    kill(pid, SIGKILL);
    int status = 0;
    if (waitpid(pid, &status, 0) == pid) exitStatus = status;
  }
  // The program leads its own process group: this reaches only what it started.
  kill(-pid, SIGKILL);
}

std::vector<std::string> ProgramProcess::CallsOf(const std::string& program) const {
  const auto calls = ReadIfPresent(toolDir.File(program + ".calls"));
  return calls ? SplitLines(*calls) : std::vector<std::string>{};
}

bool ProgramProcess::WaitForCalls(const std::string& program, std::size_t count) const {
  return waiting::WaitUntil([&] { return CallsOf(program).size() >= count; });
}

std::vector<pid_t> ProgramProcess::ZombieChildren() const {
  std::vector<pid_t> zombies;
  for (const ProcessEntry& process : AllProcesses()) {
    if (process.parent == pid && process.state == 'Z') zombies.push_back(process.pid);
  }
  return zombies;
}

std::vector<pid_t> ProgramProcess::LiveChildren() const {
  std::vector<pid_t> children;
  for (const ProcessEntry& process : AllProcesses()) {
    if (process.parent == pid && process.state != 'Z' && process.state != 'X') {
      children.push_back(process.pid);
    }
  }
  return children;
}

std::vector<pid_t> ProgramProcess::LiveProcessesOfThisRun() const {
  std::vector<pid_t> found;
  const std::string marker = Marker();
  for (const ProcessEntry& process : AllProcesses()) {
    if (process.pid == getpid() || process.state == 'Z' || process.state == 'X') continue;
    if (EnvironmentHolds(process.pid, marker)) found.push_back(process.pid);
  }
  return found;
}

std::string ProgramProcess::StandardOutput() const {
  return ReadIfPresent(toolDir.File("program-stdout.txt")).value_or("");
}

std::string ProgramProcess::ErrorOutput() const {
  return ReadIfPresent(toolDir.File("program-stderr.txt")).value_or("");
}

std::string ProgramProcess::Output() const {
  return "program stdout:\n" + StandardOutput() + "program stderr:\n" + ErrorOutput();
}

::testing::AssertionResult ProgramProcess::NoChildLeft() const {
  if (waiting::WaitUntil([this] { return ZombieChildren().empty() && LiveChildren().empty(); })) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "children never collected (zombies): " << Join(ZombieChildren())
         << "; still running: " << Join(LiveChildren());
}

::testing::AssertionResult ProgramProcess::NothingLeftRunning() const {
  if (waiting::WaitUntil([this] { return LiveProcessesOfThisRun().empty(); })) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "processes of the run still running: " << Join(LiveProcessesOfThisRun());
}
