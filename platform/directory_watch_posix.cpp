#include <sys/inotify.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/directory_watch.h"

namespace kivra::platform {

struct DirectoryWatch::State {
    int fd = -1;
    int wd = -1;
    QSocketNotifier* notifier = nullptr;
    // The first half of a rename, until the second, which shares its cookie, comes; in the same
    // read or, on a busy system, in the next.
    quint32 movedCookie = 0;
    QByteArray movedFrom;
};

DirectoryWatch::DirectoryWatch(QObject* parent)
    : QObject(parent), state_(std::make_unique<State>()) {
    state_->fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (state_->fd < 0) return;
    state_->notifier = new QSocketNotifier(state_->fd, QSocketNotifier::Read, this);
    connect(state_->notifier, &QSocketNotifier::activated, this, [this] {
        // Read to the end. Events of a watch given up are dropped.
        alignas(inotify_event) char buffer[4096];
        bool changedHere = false;
        bool all = false;
        QByteArrayList names;
        QList<std::pair<QByteArray, QByteArray>> renames;
        for (ssize_t size; (size = read(state_->fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < size;) {
                inotify_event event;
                std::memcpy(&event, buffer + at, sizeof event);
                at += sizeof event + event.len;
                const char* name = buffer + at - event.len;
                if (event.mask & IN_Q_OVERFLOW) changedHere = all = true;
                if (event.wd != state_->wd) continue;
                changedHere = true;
                if (event.mask & (IN_IGNORED | IN_MOVE_SELF | IN_DELETE_SELF)) {
                    all = true;
                    clear();
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
    delete state_->notifier;  // before the descriptor it listens to
    if (state_->fd >= 0) close(state_->fd);
}

bool DirectoryWatch::watch(const QByteArray& native, bool writes) {
    clear();
    if (state_->fd < 0) return false;
    state_->wd = inotify_add_watch(state_->fd, native.constData(),
                                   IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                       IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR |
                                       (writes ? IN_MODIFY | IN_CLOSE_WRITE : 0));
    return state_->wd >= 0;
}

void DirectoryWatch::clear() {
    if (state_->wd >= 0) inotify_rm_watch(state_->fd, state_->wd);
    state_->wd = -1;
    state_->movedFrom.clear();
}

}  // namespace kivra::platform
