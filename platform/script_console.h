#pragma once

#include <QtGlobal>

namespace kivra::platform {

// Standard output and error as a script command writes them: the log's bytes, UTF-8 with LF.
// A Windows program built for the desktop starts with neither: it writes to the console it was
// started from (cmd, PowerShell) in UTF-8 while it runs, and to a file or pipe it was handed
// byte for byte. Elsewhere the terminal's are there already and nothing changes.
class ScriptConsole {
public:
    ScriptConsole();
    ~ScriptConsole();
    Q_DISABLE_COPY(ScriptConsole)

private:
#ifdef Q_OS_WIN
    unsigned int restoreCodePage_ = 0;
#endif
};

}  // namespace kivra::platform
