#include <errno.h>
#include <sys/xattr.h>

#include "platform/origin_attributes.h"
#include "platform/system_reason.h"

namespace kivra::platform {

namespace {

QByteArray attribute(const QByteArray& path, const char* name) {
    QByteArray value(kMaxOriginBytes, Qt::Uninitialized);
#ifdef __APPLE__
    const ssize_t size = getxattr(path.constData(), name, value.data(), value.size(), 0, 0);
#else
    const ssize_t size = getxattr(path.constData(), name, value.data(), value.size());
#endif
    // Missing, not kept by the file system, or too long (ERANGE): nothing.
    if (size <= 0) return {};
    value.truncate(size);
    return value;
}

}  // namespace

OriginAttributes ReadOriginAttributes(const QByteArray& path) {
    OriginAttributes read;
    read.originUrl = attribute(path, "user.xdg.origin.url");
    if (!read.originUrl.isEmpty()) read.referrerUrl = attribute(path, "user.xdg.referrer.url");
    read.comment = attribute(path, "user.xdg.comment");
    return read;
}

Result<void> WriteFileComment(const QByteArray& path, const QByteArray& comment) {
#ifdef __APPLE__
    const int done =
        setxattr(path.constData(), "user.xdg.comment", comment.constData(), comment.size(), 0, 0);
#else
    const int done =
        setxattr(path.constData(), "user.xdg.comment", comment.constData(), comment.size(), 0);
#endif
    if (done != 0) return SystemFailure(errno);
    return {};
}

}  // namespace kivra::platform
