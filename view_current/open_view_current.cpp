#include "view_current/open_view_current.h"

#include "core/entry_log.h"

namespace kivra {

void OpenViewCurrent(QWidget* owner, const EntryLog& log) {
    (void)owner;
    (void)log;
}

}  // namespace kivra
