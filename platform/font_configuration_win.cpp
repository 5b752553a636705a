#include "platform/font_configuration.h"

namespace kivra::platform {

// Windows keeps its fonts ready for every program.
bool HasFontConfiguration() { return false; }

void ReadFontConfiguration() {}

}  // namespace kivra::platform
