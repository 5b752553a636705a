#pragma once

#include <QGuiApplication>
#include <QTest>

namespace kivra::test {

// Qt 6.4's Wayland client destroys a frame callback on its event thread without the lock a hide
// takes to destroy the same callback: the frames drawn are let land before a window is hidden.
inline void LetFramesLand() {
    if (QGuiApplication::platformName() == "wayland") QTest::qWait(100);
}

}  // namespace kivra::test
