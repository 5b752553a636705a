#include <sys/inotify.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

#include "platform/directory_watch.h"

namespace kivra::platform {

namespace {

constexpr uint32_t kNames = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF |
                            IN_MOVE_SELF | IN_ONLYDIR;

// What a worker shares with the window's thread: the descriptor and the watch, changed under
// the lock, so a worker's late call never touches a watch given up since.
struct Watcher {
    ~Watcher() {
        if (fd >= 0) close(fd);
    }
    std::mutex lock;
    int fd = -1;
    int wd = -1;
    quint64 generation = 0;
};

}  // namespace

struct DirectoryWatch::State {
    std::shared_ptr<Watcher> watcher = std::make_shared<Watcher>();
    QSocketNotifier* notifier = nullptr;
};

DirectoryWatch::DirectoryWatch(QObject* parent)
    : QObject(parent), state_(std::make_unique<State>()) {
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    state_->watcher->fd = fd;
    if (fd < 0) return;
    state_->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(state_->notifier, &QSocketNotifier::activated, this, [this, fd] {
        int wd;
        {
            const std::lock_guard locked(state_->watcher->lock);
            wd = state_->watcher->wd;
        }
        // Read to the end. Events of a watch given up are dropped.
        alignas(inotify_event) char buffer[4096];
        bool changedHere = false;
        bool all = false;
        QByteArrayList names;
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
    });
}

DirectoryWatch::~DirectoryWatch() {
    clear();
    delete state_->notifier;  // before the descriptor it listens to is closed
}

bool DirectoryWatch::watch(const QByteArray& native, bool writes) {
    clear();
    const std::shared_ptr<Watcher> watcher = state_->watcher;
    if (watcher->fd < 0) return false;
    quint64 generation;
    {
        const std::lock_guard locked(watcher->lock);
        watcher->wd = inotify_add_watch(watcher->fd, native.constData(), kNames);
        if (watcher->wd < 0) return false;
        generation = watcher->generation;
    }
    // Writes (and a time set, IN_ATTRIB) make the kernel flag every name of the folder it holds
    // (tens of milliseconds for a hundred thousand files): asked for by a worker, the names' events
    // meanwhile.
    if (writes)
        QThreadPool::globalInstance()->start([watcher, native, generation] {
            const std::lock_guard locked(watcher->lock);
            if (watcher->generation != generation) return;
            // Another folder under the same path meanwhile: not watched twice.
            const int wd = inotify_add_watch(watcher->fd, native.constData(),
                                             kNames | IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB);
            if (wd >= 0 && wd != watcher->wd) inotify_rm_watch(watcher->fd, wd);
        });
    return true;
}

void DirectoryWatch::clear() {
    Watcher& watcher = *state_->watcher;
    const std::lock_guard locked(watcher.lock);
    ++watcher.generation;
    if (watcher.wd >= 0) inotify_rm_watch(watcher.fd, watcher.wd);
    watcher.wd = -1;
}

}  // namespace kivra::platform
