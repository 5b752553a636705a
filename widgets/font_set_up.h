#pragma once

#include <thread>

namespace kivra::widgets {

// Reads the system's font configuration on a second core while Qt connects to
// the display; Qt's own font database is filled on the GUI thread as it first
// needs it. Where the system has nothing to read ahead, it does nothing.
class FontSetUp {
public:
    // Before the QApplication.
    FontSetUp();
    ~FontSetUp();
    FontSetUp(const FontSetUp&) = delete;
    FontSetUp& operator=(const FontSetUp&) = delete;

    // Before the first text is measured: two threads reading the configuration at
    // once would each read it.
    void wait();

private:
    std::thread thread_;
};

}  // namespace kivra::widgets
