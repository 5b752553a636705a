#include "app/script_commands.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <string>

#include "core/entry_log.h"
#include "core/log_query.h"
#include "platform/script_console.h"

namespace kivra::app {

namespace {

// Exit statuses as grep has them: 1 is "nothing matched", 2 a failure.
constexpr int kNothing = 1;
constexpr int kFailed = 2;
constexpr qsizetype kOutputChunk = 1 << 20;
// What a search reads of the log at a time.
constexpr qsizetype kReadPiece = 1 << 18;

enum class Command { None, Note, Notes, Find };

struct CommandLine {
    Command command = Command::None;
    bool under = false;
    char end = '\n';
    // As the shell gave them: a path that is not UTF-8 stays as it is.
    QByteArrayList operands;
    QByteArray error;
};

CommandLine parse(int argc, char** argv) {
    CommandLine line;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        Command named = Command::None;
        if (!options || !argument.startsWith('-') || argument == "-")
            line.operands += argument;
        else if (argument == "--")
            options = false;
        else if (argument == "--note")
            named = Command::Note;
        else if (argument == "--notes")
            named = Command::Notes;
        else if (argument == "--find")
            named = Command::Find;
        else if (argument == "--under")
            line.under = true;
        else if (argument == "-0")
            line.end = '\0';
        else if (line.error.isEmpty())
            line.error = "unknown option '" + argument + "'";
        if (named == Command::None) continue;
        if (line.command != Command::None && line.error.isEmpty())
            line.error = "--note, --notes and --find go one at a time";
        line.command = named;
    }
    if (!line.error.isEmpty()) return line;
    if (line.under && line.command != Command::Notes) line.error = "--under goes with --notes";
    if (line.end == '\0' && line.command == Command::Note)
        line.error = "-0 goes with --notes or --find";
    if (line.command == Command::Note && line.operands.size() < 2)
        line.error = "--note needs a file or folder and its description";
    if (line.command == Command::Notes && line.operands.size() != 1)
        line.error = "--notes needs one file or folder";
    if (line.command == Command::Find && line.operands.isEmpty())
        line.error = "--find needs the words to find";
    return line;
}

int fail(const QString& message) {
    std::fprintf(stderr, "kivra32: %s\n", message.toUtf8().constData());
    return kFailed;
}

int note(const EntryLog& log, const CommandLine& line) {
    const QByteArray path = RecordedPath(line.operands.front());
    QStringList words;
    for (qsizetype i = 1; i < line.operands.size(); ++i)
        words += QString::fromLocal8Bit(line.operands[i]);
    // As the window's box takes a pasted text: one line; and an empty one records nothing.
    const QString description = OneLine(words.join(u' '));
    if (description.isEmpty())
        return fail(QStringLiteral("the description is empty: nothing to note"));
    const QString rest = QStringLiteral(" - ") + description;
    if (const Result<void> appended = log.appendEntry(path, rest); !appended)
        return fail(QStringLiteral("%1\nThis entry was not saved:\n%2")
                        .arg(appended.failure().message, DecodeLogLine(path) + rest));
    return 0;
}

int print(const EntryLog& log, const CommandLine& line) {
    QFile file;
    bool missing = false;
    if (const Result<void> opened = log.openToRead(file, missing); !opened)
        return fail(opened.failure().message);
    if (missing) return kNothing;
    std::string out;
    // Kept from chunk to chunk: memory taken afresh costs more than the search.
    out.reserve(size_t(2 * kOutputChunk));
    bool written = true;
    const auto flush = [&out, &written] {
        written = written && std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
        out.clear();
    };
    const auto visit = [&](QByteArrayView found, bool ascii) {
        AppendScriptLine(found, ascii, line.end, out);
        if (out.size() >= size_t(kOutputChunk)) flush();
    };
    const bool notes = line.command == Command::Notes;
    const QByteArray path = notes ? RecordedPath(line.operands.front()) : QByteArray();
    const QString words = notes ? QString() : QString::fromLocal8Bit(line.operands.join(' '));
    const auto search = [&](QByteArrayView lines) {
        return notes ? ForEachLineForPath(lines, path, line.under, visit)
                     : ForEachLineHolding(lines, words, visit);
    };
    const qsizetype count = ForEachPieceOfLines(file, kReadPiece, search);
    if (count < 0)
        return fail(
            QStringLiteral("Cannot read the log %1: %2").arg(log.logPath(), file.errorString()));
    flush();
    if (!written || std::fflush(stdout) != 0)
        return fail(QStringLiteral("cannot write to standard output"));
    return count > 0 ? 0 : kNothing;
}

}  // namespace

std::optional<int> RunScriptCommand(int argc, char** argv) {
    const CommandLine line = parse(argc, argv);
    if (line.command == Command::None) return std::nullopt;
    const platform::ScriptConsole console;
    QCoreApplication app(argc, argv);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "kivra32: %s\nTry 'kivra32 --help'.\n", line.error.constData());
        return kFailed;
    }
    const EntryLog log = EntryLog::defaultLog();
    return line.command == Command::Note ? note(log, line) : print(log, line);
}

}  // namespace kivra::app
