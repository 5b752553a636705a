#include "core/file_manager_menus.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace kivra {

namespace {

constexpr char kContext[] = "FileManagerMenus";
// How a later run knows the action it added before, whatever the user renamed it to.
constexpr char kThunarId[] = "org.example.kivra32.describe";
// A file this large is no list of menu items.
constexpr qint64 kLargestFile = 16 << 20;

// The program as sh reads it: one word, whatever its path holds.
QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\'', QLatin1String("'\\''"));
    return u'\'' + quoted + u'\'';
}

void writeOurAction(QXmlStreamWriter& xml, const QString& program) {
    const auto field = [&xml](const char* name, const QString& text) {
        xml.writeCharacters(QStringLiteral("\n\t"));
        xml.writeTextElement(QLatin1String(name), text);
    };
    xml.writeStartElement(QStringLiteral("action"));
    field("icon", QStringLiteral("kivra32"));
    field("name", QCoreApplication::translate("FileManagerMenus", "Describe with Kivra/32"));
    field("unique-id", QLatin1String(kThunarId));
    // Thunar quotes the path it puts for %f.
    field("command", shellQuoted(program) + QStringLiteral(" %f"));
    field("description",
          QCoreApplication::translate("FileManagerMenus",
                                      "Make it current in Kivra/32, ready to be described"));
    field("patterns", QStringLiteral("*"));
    field("range", QStringLiteral("1"));
    for (const char* kind : {"startup-notify", "directories", "audio-files", "image-files",
                             "other-files", "text-files", "video-files"}) {
        xml.writeCharacters(QStringLiteral("\n\t"));
        xml.writeEmptyElement(QLatin1String(kind));
    }
    xml.writeCharacters(QStringLiteral("\n"));
    xml.writeEndElement();
    xml.writeCharacters(QStringLiteral("\n"));
}

Failure unreadable(const QString& why) {
    return {
        QCoreApplication::translate("FileManagerMenus", "it is not a list of Thunar's actions (%1)")
            .arg(why),
        why};
}

}  // namespace

Result<ThunarActions> MergeThunarAction(const QByteArray& existing, const QString& program) {
    ThunarActions merged;
    QXmlStreamWriter writer(&merged.xml);
    if (existing.trimmed().isEmpty()) {
        writer.writeStartDocument();
        writer.writeCharacters(QStringLiteral("\n"));
        writer.writeStartElement(QStringLiteral("actions"));
        writer.writeCharacters(QStringLiteral("\n"));
        writeOurAction(writer, program);
        writer.writeEndElement();
        writer.writeEndDocument();
        merged.added = true;
        return merged;
    }
    // Every token copied as read, ours written before the list's end.
    QXmlStreamReader reader(existing);
    int depth = 0;
    bool inId = false;
    QString id;
    bool ours = false;
    bool root = false;
    while (!reader.atEnd() && !reader.hasError()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::Invalid) break;
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (depth == 1 && reader.name() != u"actions")
                return unreadable(
                    QCoreApplication::translate("FileManagerMenus", "its outermost element is <%1>")
                        .arg(reader.name()));
            root = true;
            inId = depth == 3 && reader.name() == u"unique-id";
            id.clear();
        } else if (token == QXmlStreamReader::Characters && inId) {
            id += reader.text();
        } else if (token == QXmlStreamReader::EndElement) {
            if (inId && id.trimmed() == QLatin1String(kThunarId)) ours = true;
            inId = false;
            if (depth == 1 && !ours) {
                writeOurAction(writer, program);
                merged.added = true;
            }
            --depth;
        }
        writer.writeCurrentToken(reader);
    }
    if (reader.hasError())
        return unreadable(QCoreApplication::translate("FileManagerMenus", "line %1: %2")
                              .arg(reader.lineNumber())
                              .arg(reader.errorString()));
    if (!root)
        return unreadable(QCoreApplication::translate("FileManagerMenus", "it holds no element"));
    if (ours) return ThunarActions{existing, false};
    return merged;
}

QByteArray NautilusScript(const QString& program) {
    return "#!/bin/sh\n"
           "# Written by Kivra/32 (File, Add to File Managers' Menus): Nautilus lists it under\n"
           "# Scripts and passes the local files selected one a line.\n"
           "path=$(printf '%s\\n' \"$NAUTILUS_SCRIPT_SELECTED_FILE_PATHS\" | head -n 1)\n"
           "[ -n \"$path\" ] || path=$1\n"
           "exec " +
           shellQuoted(program).toUtf8() + " -- \"$path\"\n";
}

namespace {

// The file's bytes, empty where there is none.
Result<QByteArray> readExisting(const QString& path) {
    QFile file(path);
    if (!file.exists()) return QByteArray();
    if (!QFileInfo(path).isFile() || file.size() > kLargestFile)
        return PathFailure(kContext, QT_TRANSLATE_NOOP("FileManagerMenus", "Cannot read %1: %2"),
                           path,
                           QCoreApplication::translate(
                               "FileManagerMenus", "it is not an ordinary file of a list's size"));
    if (!file.open(QIODevice::ReadOnly))
        return PathFailure(kContext, QT_TRANSLATE_NOOP("FileManagerMenus", "Cannot read %1: %2"),
                           path, file.errorString());
    return file.readAll();
}

// All or nothing; a link is followed, so a file kept elsewhere stays where it is.
Result<void> write(const QString& path, const QByteArray& bytes, bool executable) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return PathFailure(
            kContext, QT_TRANSLATE_NOOP("FileManagerMenus", "Cannot write %1: %2"), path,
            QCoreApplication::translate("FileManagerMenus", "its folder cannot be made"));
    QSaveFile file(path);
    const bool done =
        file.open(QIODevice::WriteOnly) &&
        (!executable || file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther)) &&
        file.write(bytes) == bytes.size() && file.commit();
    if (!done)
        return PathFailure(kContext, QT_TRANSLATE_NOOP("FileManagerMenus", "Cannot write %1: %2"),
                           path, file.errorString());
    return {};
}

}  // namespace

MenuFiles AddFileManagerMenus(const QString& dataHome, const QString& configHome,
                              const QString& program) {
    MenuFiles done;
    const auto put = [&done](const QString& path, const QByteArray& bytes, bool executable) {
        if (const Result<void> written = write(path, bytes, executable); !written)
            done.failures += written.failure();
        else
            done.written += path;
    };

    const QString script = dataHome + QStringLiteral("/nautilus/scripts/Describe with Kivra32");
    const Result<QByteArray> old = readExisting(script);
    const QByteArray text = NautilusScript(program);
    if (old && *old == text && QFileInfo(script).isExecutable())
        done.present += script;
    else
        put(script, text, true);

    const QString thunar = configHome + QStringLiteral("/Thunar/uca.xml");
    if (const Result<QByteArray> actions = readExisting(thunar); !actions) {
        done.failures += actions.failure();
    } else if (const Result<ThunarActions> merged = MergeThunarAction(*actions, program); !merged) {
        done.failures +=
            {QCoreApplication::translate("FileManagerMenus", "%1 was left as it was: %2")
                 .arg(QDir::toNativeSeparators(thunar), merged.failure().message),
             merged.failure().reason};
    } else if (!merged->added) {
        done.present += thunar;
    } else {
        put(thunar, merged->xml, false);
    }
    return done;
}

}  // namespace kivra
