// Printing on the desktop. Kept apart so the printer binding can replace just this file.
#include "platform/qt/qt_platform.h"

namespace velmora::qt {

PrintOutcome QtPlatform::PrintForm(Form& /*form*/) {
  return {false, "Drucken ist noch nicht eingebaut."};
}

std::string QtPlatform::PrinterName() {
  return {};
}

}  // namespace velmora::qt
