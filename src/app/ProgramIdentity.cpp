#include "tessarin/app/ProgramIdentity.h"

#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/framework/Form.h"
#include "tessarin/util/Log.h"

namespace tessarin {

namespace {
const char* Or(const char* stated, const char* fallback) {
  return stated != nullptr && *stated != '\0' ? stated : fallback;
}
}  // namespace

void SetProgramIdentity(const ProgramIdentity& identity) {
  const char* windowClass = Or(identity.windowClass, identity.name);
  Form::SetWindowClass(windowClass, Or(identity.iconName, windowClass));
  SetBeepSound(Or(identity.beepSound, ""));
  StartLog(Or(identity.logFile, ""));
}

}  // namespace tessarin
