#include "widgets/font_set_up.h"

#include <QFontDatabase>
#include <QStringList>

#include "platform/font_configuration.h"

namespace kivra::widgets {

FontSetUp::FontSetUp() {
    if (!platform::HasFontConfiguration()) return;
    thread_ = std::thread([this] {
        platform::ReadFontConfiguration();
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return application_ != Application::Coming; });
        if (application_ == Application::Ready) QFontDatabase::families();
    });
}

FontSetUp::~FontSetUp() {
    {
        std::lock_guard lock(mutex_);
        if (application_ == Application::Coming) application_ = Application::Gone;
    }
    changed_.notify_one();
    wait();
}

void FontSetUp::applicationReady() {
    {
        std::lock_guard lock(mutex_);
        application_ = Application::Ready;
    }
    changed_.notify_one();
}

void FontSetUp::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace kivra::widgets
