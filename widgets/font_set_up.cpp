#include "widgets/font_set_up.h"

#include "platform/font_configuration.h"

namespace kivra::widgets {

FontSetUp::FontSetUp() {
    // The thread touches no Qt: it may outlive the application object on an early
    // return.
    if (platform::HasFontConfiguration()) thread_ = std::thread(platform::ReadFontConfiguration);
}

FontSetUp::~FontSetUp() { wait(); }

void FontSetUp::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace kivra::widgets
