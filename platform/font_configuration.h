#pragma once

namespace kivra::platform {

// Whether the system keeps a font configuration that each program reads in full the first time
// it sets text (fontconfig's XML files).
bool HasFontConfiguration();
// Reads it now, on whatever thread calls; later readers find it read.
void ReadFontConfiguration();

}  // namespace kivra::platform
