// libFuzzer's start-up hook for the targets that write files: each enters a scratch folder of
// its own before the first input, so that one hook serves them all.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::EnterScratchFolder(argc, argv);
  return 0;
}
