// Description files come from other programs and other decades: whatever their bytes, the readers
// must not crash, and every entry they give must be one line with a name and a description.
#include <QByteArray>

#include "core/note_import.h"
#include "fuzz_check.h"

using namespace kivra::import_detail;

static bool oneLine(const QString& text) { return !text.contains(u'\r') && !text.contains(u'\n'); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;

    const QList<Described> descriptIon = ReadDescriptIon(bytes);
    check(descriptIon.size() <= lines);
    for (const Described& item : descriptIon) {
        check(!item.name.isEmpty() && !item.description.isEmpty());
        check(oneLine(item.name) && oneLine(item.description) &&
              !item.description.contains(u'\x04'));
    }

    // Some names are the folder's, as a real folder would have them.
    const auto isItem = [](const QString& name) { return name.size() % 3 == 0; };
    const QList<Described> filesBbs = ReadFilesBbs(bytes, isItem);
    check(filesBbs.size() <= lines);
    for (const Described& item : filesBbs) {
        check(!item.name.isEmpty() && !item.name.contains(u' ') && !item.description.isEmpty());
        check(oneLine(item.description));
        check(RealName(item.name, FolderNames({item.name.toUpper()}))
                  .compare(item.name, Qt::CaseInsensitive) == 0);
    }

    if (const std::optional<QStringList> entries = ReadLogEntries(bytes)) {
        check(entries->size() <= lines);
        for (const QString& entry : *entries) check(!entry.isEmpty() && oneLine(entry));
    }

    // Read in the code page detected and in every other one offered.
    check(!kivra::CodePageLabel(kivra::ChooseCodePage(bytes, true).name).isEmpty());
    for (const kivra::CodePage& page : kivra::OfferedCodePages()) {
        for (const Described& item : ReadDescriptIon(bytes, kivra::LineDecoder(page.name, false)))
            check(!item.name.isEmpty() && oneLine(item.name) && oneLine(item.description));
        if (const auto entries = ReadLogEntries(bytes, kivra::LineDecoder(page.name, true)))
            for (const QString& entry : *entries) check(oneLine(entry));
    }
    return 0;
}
