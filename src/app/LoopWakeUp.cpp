#include "tessarin/app/LoopWakeUp.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "tessarin/app/Application.h"
#include "tessarin/framework/Form.h"
#include "tessarin/util/Log.h"

namespace tessarin {

namespace {
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler triggers wake-ups");
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler reads the pipe's end");

// The pipe lives as long as the process: a worker may still trigger while the program ends,
// and a closed descriptor could by then name some other file. O_CLOEXEC keeps it from the
// programs the toolkit starts.
int readEnd = -1;
std::atomic<int> writeEnd{-1};

bool MakePipeOnce() {
  if (readEnd >= 0) return true;
  int ends[2];
  if (pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) {
    Log(std::string("LoopWakeUp: no pipe: ") + std::strerror(errno));
    return false;
  }
  readEnd = ends[0];
  writeEnd.store(ends[1]);
  return true;
}

void DrainPipe() {
  char bytes[64];
  ssize_t got = 0;
  do {
    got = read(readEnd, bytes, sizeof bytes);
  } while (got > 0 || (got < 0 && errno == EINTR));
}

std::vector<LoopWakeUp*>& LiveWakeUps() {
  static std::vector<LoopWakeUp*> wakeUps;
  return wakeUps;
}

Form* FormWithId(std::uint32_t id) {
  for (Form* form : Application::Forms()) {
    if (form->GetId() == id) return form;
  }
  return nullptr;
}
}  // namespace

LoopWakeUp::LoopWakeUp(const Form* form) : formId(form != nullptr ? form->GetId() : 0) {
  MakePipeOnce();
  LiveWakeUps().push_back(this);
}

LoopWakeUp::~LoopWakeUp() {
  auto& wakeUps = LiveWakeUps();
  wakeUps.erase(std::remove(wakeUps.begin(), wakeUps.end(), this), wakeUps.end());
}

bool LoopWakeUp::IsReady() const {
  return writeEnd.load() >= 0 && formId != 0;
}

void LoopWakeUp::Trigger() {
  const int savedErrno = errno;
  // Before the byte: the loop empties the pipe first and reads the flags after it.
  triggered.store(true);
  const int fd = writeEnd.load();
  if (fd >= 0) {
    const char byte = 1;
    // A full pipe already holds bytes that wake the loop, so a refused write loses nothing.
    const ssize_t written = write(fd, &byte, 1);
    static_cast<void>(written);
  }
  errno = savedErrno;
}

bool LoopWakeUp::TakeArrival() {
  return std::exchange(arrived, false);
}

int LoopWakeUp::LoopDescriptor() {
  return readEnd;
}

void LoopWakeUp::DeliverTriggered() {
  if (readEnd < 0) return;
  DrainPipe();
  // Ids first: a form's OnUserMessage may destroy wake-ups, forms, or make new ones.
  std::vector<std::uint32_t> formIds;
  for (LoopWakeUp* wakeUp : LiveWakeUps()) {
    if (!wakeUp->triggered.exchange(false)) continue;
    wakeUp->arrived = true;
    formIds.push_back(wakeUp->formId);
  }
  for (std::uint32_t id : formIds) {
    if (Form* form = FormWithId(id)) form->OnUserMessage();
  }
}

}  // namespace tessarin
