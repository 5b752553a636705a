// Any lines at all go into the RTF writer: the document must be well formed and give back every
// line, read by our own independent RTF reader.
#include <QStringList>

#include "core/rtf_writer.h"
#include "fuzz_check.h"
#include "support/rtf_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input is UTF-16 text; NUL units split it into lines.
    QString text(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    const QStringList lines = text.split(QChar(u'\0'));
    const QByteArray rtf = kivra::WriteRtf(lines);

    for (const char c : rtf) check(static_cast<unsigned char>(c) < 0x80);
    // The reader refuses unbalanced braces and text outside the one group.
    const kivra::test::RtfText back = kivra::test::ReadRtfText(rtf);
    check(back.ok);
    // Lines keep every unit except line breaks, which an RTF paragraph cannot hold as text.
    QStringList expected;
    for (QString line : lines) expected.append(line.replace(u'\r', u' ').replace(u'\n', u' '));
    QStringList got = back.paragraphs;
    for (QString& line : got) line.replace(u'\r', u' ').replace(u'\n', u' ');
    check(got == expected);
    return 0;
}
