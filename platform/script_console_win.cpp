#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "platform/script_console.h"

namespace kivra::platform {

namespace {

bool handed(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

ScriptConsole::ScriptConsole() {
    // A redirected stream is kept; one that is missing goes to the parent's console.
    const bool out = handed(STD_OUTPUT_HANDLE);
    const bool err = handed(STD_ERROR_HANDLE);
    if ((!out || !err) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        FILE* reopened = nullptr;
        if (!out) freopen_s(&reopened, "CONOUT$", "w", stdout);
        if (!err) freopen_s(&reopened, "CONOUT$", "w", stderr);
    }
    if (GetConsoleWindow()) {
        restoreCodePage_ = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
    }
    // The log's line ends as they are: no CR added before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

ScriptConsole::~ScriptConsole() {
    std::fflush(stdout);
    std::fflush(stderr);
    if (restoreCodePage_) SetConsoleOutputCP(restoreCodePage_);
}

}  // namespace kivra::platform
