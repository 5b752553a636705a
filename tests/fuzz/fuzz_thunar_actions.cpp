// A Thunar actions file as a user's config holds it: any bytes. Ours is added once, after the
// user's own, and a second run finds it and adds nothing.
#include <QXmlStreamReader>

#include "core/file_manager_menus.h"
#include "fuzz_check.h"

namespace {

qsizetype actions(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    qsizetype found = 0;
    for (int depth = 0; !reader.atEnd() && !reader.hasError();) {
        reader.readNext();
        if (reader.isStartElement() && ++depth == 2 && reader.name() == u"action") ++found;
        if (reader.isEndElement()) --depth;
    }
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString program = QStringLiteral("/opt/it's <here> & \"there\"/kivra32");
    const kivra::Result<kivra::ThunarActions> merged = kivra::MergeThunarAction(input, program);
    if (!merged) return 0;
    check(merged->added || merged->xml == input);
    if (!merged->added) return 0;
    const kivra::Result<kivra::ThunarActions> again =
        kivra::MergeThunarAction(merged->xml, program);
    check(again && !again->added && again->xml == merged->xml);
    check(actions(merged->xml) == actions(input) + 1);
    return 0;
}
