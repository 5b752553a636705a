#include "platform/result.h"

#include <QCoreApplication>
#include <QDir>

namespace kivra {

Failure PathFailure(const char* context, const char* what, const QString& path,
                    const QString& reason) {
    return {QCoreApplication::translate(context, what).arg(QDir::toNativeSeparators(path), reason),
            reason};
}

}  // namespace kivra
