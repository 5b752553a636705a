#include "platform/thread_priority.h"

#include <QThreadPool>

namespace kivra::platform {

Q_GLOBAL_STATIC(QThreadPool, backgroundPool)

QThreadPool* BackgroundPool() { return backgroundPool(); }

}  // namespace kivra::platform
