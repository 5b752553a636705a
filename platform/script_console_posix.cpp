#include "platform/script_console.h"

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kivra::platform {

ScriptConsole::ScriptConsole() {
#ifdef Q_OS_LINUX
    // A pipe holds 64 KiB: a find that prints a million lines would wait for its reader at every
    // 64 KiB. A megabyte, what a user may ask for, lets both sides take larger steps.
    struct stat out;
    if (fstat(STDOUT_FILENO, &out) == 0 && S_ISFIFO(out.st_mode))
        (void)fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
#endif
}

ScriptConsole::~ScriptConsole() = default;

}  // namespace kivra::platform
