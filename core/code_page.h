#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>

namespace kivra {

// The code pages a file from another program or system may be written in, by the converter's
// name (the one Qt's and ICU's converters know).
struct CodePage {
    QByteArray name;
    const char* label;  // in the "CodePage" context, for tr(): "Cyrillic (DOS, CP866)"
};
const QList<CodePage>& OfferedCodePages();

// Names for the two encodings that need no choice.
inline constexpr char kAscii[] = "";
inline constexpr char kUtf8[] = "UTF-8";

// "Cyrillic (DOS, CP866)", "Unicode (UTF-8)", "Plain ASCII"; the name itself when not offered.
QString CodePageLabel(const QByteArray& name);

// A file's code page and whether it is a guess.
struct CodePageChoice {
    QByteArray name = kAscii;
    bool guessed = false;
};

// The code page of text in one of the offered ones. ICU's detector names the candidates it
// knows; each offered code page's reading is weighed by whether its letters are of one script in
// sensible case, which tells the DOS code pages ICU does not know. Guessed unless the reading
// is ICU's own choice and ICU is sure of it.
CodePageChoice DetectCodePage(QByteArrayView text);

// A file's bytes: plain ASCII; valid UTF-8, with or without byte-order mark; else the code page
// detected over its lines that are not ASCII, or when `byLine`, over its lines that are not
// valid UTF-8 (a log holds lines written on several machines).
CodePageChoice ChooseCodePage(QByteArrayView bytes, bool byLine);

// Lines of a file to text: valid UTF-8 as UTF-8 where the whole file is (or, by line, where the
// line is), the rest in the code page. The default reads as the log reads.
class LineDecoder {
public:
    LineDecoder() = default;
    LineDecoder(const QByteArray& codePage, bool byLine);

    QString operator()(QByteArrayView line) const;

private:
    bool asLog_ = true;
    bool byLine_ = false;
    mutable QStringDecoder decoder_;
};

}  // namespace kivra
