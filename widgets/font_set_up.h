#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace kivra::widgets {

// Sets the fonts up on a second core while the program starts: the system's font configuration
// from before the application object exists, Qt's font database once it does. Where the system
// has nothing to read ahead, it does nothing.
class FontSetUp {
public:
    // Before the QApplication.
    FontSetUp();
    ~FontSetUp();
    FontSetUp(const FontSetUp&) = delete;
    FontSetUp& operator=(const FontSetUp&) = delete;

    // Once the QApplication exists.
    void applicationReady();
    // Before the first text is measured: two threads loading fonts at once would each load them.
    void wait();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    enum class Application { Coming, Ready, Gone } application_ = Application::Coming;
    std::thread thread_;
};

}  // namespace kivra::widgets
