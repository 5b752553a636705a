#include <sys/inotify.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/directory_watch.h"

namespace kivra::platform {

namespace {

constexpr uint32_t kNames = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF |
                            IN_MOVE_SELF | IN_ONLYDIR;

// What a worker shares with the window's thread, which never waits for it: a worker's late call
// leaves a watch given up since alone.
struct Watcher {
    ~Watcher() {
        if (fd >= 0) close(fd);
    }
    int fd = -1;
    std::atomic<int> wd = -1;
    std::atomic<quint64> generation = 0;
};

}  // namespace

struct DirectoryWatch::State {
    std::shared_ptr<Watcher> watcher = std::make_shared<Watcher>();
    QSocketNotifier* notifier = nullptr;
    QByteArray native;
    bool writes = false;
    // The first half of a rename, until the second, which shares its cookie, comes; in the same
    // read or, on a busy system, in the next.
    quint32 movedCookie = 0;
    QByteArray movedFrom;
};

DirectoryWatch::DirectoryWatch(QObject* parent)
    : QObject(parent), state_(std::make_unique<State>()) {
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    state_->watcher->fd = fd;
    if (fd < 0) return;
    state_->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(state_->notifier, &QSocketNotifier::activated, this, [this, fd] {
        int wd = state_->watcher->wd;
        // Read to the end. Events of a watch given up are dropped.
        alignas(inotify_event) char buffer[4096];
        bool changedHere = false;
        bool all = false;
        QByteArrayList names;
        QList<std::pair<QByteArray, QByteArray>> renames;
        for (ssize_t size; (size = read(fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < size;) {
                inotify_event event;
                std::memcpy(&event, buffer + at, sizeof event);
                at += sizeof event + event.len;
                const char* name = buffer + at - event.len;
                if (event.mask & IN_Q_OVERFLOW) changedHere = all = true;
                if (event.wd != wd || wd < 0) continue;
                changedHere = true;
                if (event.mask & (IN_IGNORED | IN_MOVE_SELF | IN_DELETE_SELF)) {
                    all = true;
                    clear();
                    wd = -1;
                } else if (event.len > 0) {
                    names.append(QByteArray(name, qstrnlen(name, event.len)));
                    if (event.mask & IN_MOVED_FROM) {
                        state_->movedCookie = event.cookie;
                        state_->movedFrom = names.last();
                    } else if ((event.mask & IN_MOVED_TO) && event.cookie == state_->movedCookie &&
                               !state_->movedFrom.isEmpty()) {
                        renames.append({std::exchange(state_->movedFrom, {}), names.last()});
                    }
                }
            }
        }
        // A burst of names is read a tenth of a second at a time, not a wake-up a name: the
        // kernel holds them meanwhile.
        state_->notifier->setEnabled(false);
        QTimer::singleShot(100, state_->notifier,
                           [notifier = state_->notifier] { notifier->setEnabled(true); });
        if (!changedHere) return;
        if (all) names.clear();
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        emit changed(names);
        if (!all)
            for (const auto& [from, to] : std::as_const(renames)) emit renamed(from, to);
    });
}

DirectoryWatch::~DirectoryWatch() {
    clear();
    delete state_->notifier;  // before the descriptor it listens to is closed
}

bool DirectoryWatch::watch(const QByteArray& native, bool writes) {
    const std::shared_ptr<Watcher> watcher = state_->watcher;
    // Watched already: the kernel is not asked again (a switch of order, F5).
    if (watcher->wd >= 0 && native == state_->native && writes == state_->writes) return true;
    clear();
    if (watcher->fd < 0) return false;
    watcher->wd = inotify_add_watch(watcher->fd, native.constData(), kNames);
    if (watcher->wd < 0) return false;
    state_->native = native;
    state_->writes = writes;
    // Writes (and a time set, IN_ATTRIB) make the kernel flag every name of the folder it holds
    // (tens of milliseconds for a hundred thousand files): asked for by a worker, the names' events
    // meanwhile.
    if (writes)
        QThreadPool::globalInstance()->start(
            [watcher, native, generation = quint64(watcher->generation)] {
                if (watcher->generation != generation) return;
                const int wd = inotify_add_watch(watcher->fd, native.constData(),
                                                 kNames | IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB);
                // Given up meanwhile: not watched again.
                if (wd >= 0 && wd != watcher->wd) inotify_rm_watch(watcher->fd, wd);
            });
    return true;
}

void DirectoryWatch::clear() {
    Watcher& watcher = *state_->watcher;
    ++watcher.generation;
    if (const int wd = watcher.wd.exchange(-1); wd >= 0) inotify_rm_watch(watcher.fd, wd);
    state_->movedFrom.clear();
}

}  // namespace kivra::platform
