#include <fontconfig/fontconfig.h>

#include "platform/font_configuration.h"

namespace kivra::platform {

bool HasFontConfiguration() { return true; }

void ReadFontConfiguration() { FcInit(); }

}  // namespace kivra::platform
