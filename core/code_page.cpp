#include "core/code_page.h"

#include <unicode/ucsdet.h>

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <memory>

#include "core/byte_scan.h"
#include "core/log_lines.h"

namespace kivra {

namespace {

// Enough text for the detector to be sure, little enough that a large file costs no more.
constexpr qsizetype kSampleBytes = 2 << 10;
// Readings this close to the best are alike: ICU's confidence picks among them.
constexpr double kAlike = 0.05;
constexpr int kSure = 50;

// Chinese, Japanese and Korean texts mix these; they are one script here.
constexpr int kEastAsian = -1;

int scriptGroup(QChar c) {
    switch (c.script()) {
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Hangul:
        case QChar::Script_Bopomofo:
            return kEastAsian;
        default:
            break;
    }
    // Their punctuation, kana marks, and full-width forms.
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0xFF00 && u <= 0xFFEF)) return kEastAsian;
    return c.script();
}

// The share of the characters beyond ASCII that are letters of the text's main script, less those
// after a small letter in capitals or after a letter of another script: a wrong code page gives
// symbols, letters of other scripts, or the case swapped.
double plausibility(const QString& text) {
    QHash<int, int> letters;
    qsizetype total = 0, odd = 0;
    QChar previous;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ++total;
            const bool letter = c.isLetter() || c.isMark();
            if (letter || scriptGroup(c) == kEastAsian) ++letters[scriptGroup(c)];
            // "Gr斸ere": a word's letters are of one script.
            if (letter &&
                ((c.isUpper() && previous.isLower()) ||
                 (previous.isLetter() && previous.script() > QChar::Script_Common &&
                  c.script() > QChar::Script_Common && scriptGroup(previous) != scriptGroup(c))))
                ++odd;
        }
        previous = c;
    }
    if (total == 0) return 0;
    const int most = letters.isEmpty() ? 0 : *std::max_element(letters.cbegin(), letters.cend());
    return double(most - odd) / double(total);
}

// ICU's confidence (0 to 100) in each offered code page it names.
QHash<QByteArray, int> icuCandidates(QByteArrayView text) {
    QHash<QByteArray, int> confidence;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> detector(ucsdet_open(&status),
                                                                              &ucsdet_close);
    if (U_FAILURE(status)) return confidence;
    ucsdet_setText(detector.get(), text.data(), int32_t(text.size()), &status);
    int32_t count = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &count, &status);
    if (U_FAILURE(status)) return confidence;
    for (int32_t i = 0; i < count; ++i) {
        const QByteArray name = ucsdet_getName(matches[i], &status);
        const int sure = ucsdet_getConfidence(matches[i], &status);
        if (U_FAILURE(status)) break;
        for (const CodePage& page : OfferedCodePages())
            if (page.name.compare(name, Qt::CaseInsensitive) == 0)
                confidence[page.name] = std::max(confidence.value(page.name), sure);
    }
    return confidence;
}

}  // namespace

const QList<CodePage>& OfferedCodePages() {
    // By region; within one the most used first, which wins where readings are alike.
    static const QList<CodePage> pages = {
        {"windows-1252", QT_TRANSLATE_NOOP("CodePage", "Western (Windows-1252)")},
        {"ISO-8859-1", QT_TRANSLATE_NOOP("CodePage", "Western (ISO-8859-1)")},
        {"ISO-8859-15", QT_TRANSLATE_NOOP("CodePage", "Western (ISO-8859-15)")},
        {"CP850", QT_TRANSLATE_NOOP("CodePage", "Western (DOS, CP850)")},
        {"CP437", QT_TRANSLATE_NOOP("CodePage", "Western (DOS, CP437)")},
        {"windows-1250", QT_TRANSLATE_NOOP("CodePage", "Central European (Windows-1250)")},
        {"ISO-8859-2", QT_TRANSLATE_NOOP("CodePage", "Central European (ISO-8859-2)")},
        {"CP852", QT_TRANSLATE_NOOP("CodePage", "Central European (DOS, CP852)")},
        {"windows-1251", QT_TRANSLATE_NOOP("CodePage", "Cyrillic (Windows-1251)")},
        {"CP866", QT_TRANSLATE_NOOP("CodePage", "Cyrillic (DOS, CP866)")},
        {"KOI8-R", QT_TRANSLATE_NOOP("CodePage", "Cyrillic (KOI8-R)")},
        {"ISO-8859-5", QT_TRANSLATE_NOOP("CodePage", "Cyrillic (ISO-8859-5)")},
        {"windows-1253", QT_TRANSLATE_NOOP("CodePage", "Greek (Windows-1253)")},
        {"ISO-8859-7", QT_TRANSLATE_NOOP("CodePage", "Greek (ISO-8859-7)")},
        {"windows-1254", QT_TRANSLATE_NOOP("CodePage", "Turkish (Windows-1254)")},
        {"windows-1257", QT_TRANSLATE_NOOP("CodePage", "Baltic (Windows-1257)")},
        {"GB18030", QT_TRANSLATE_NOOP("CodePage", "Chinese Simplified (GBK, GB18030)")},
        {"Big5", QT_TRANSLATE_NOOP("CodePage", "Chinese Traditional (Big5)")},
        {"Shift_JIS", QT_TRANSLATE_NOOP("CodePage", "Japanese (Shift_JIS)")},
        {"EUC-KR", QT_TRANSLATE_NOOP("CodePage", "Korean (EUC-KR)")},
    };
    return pages;
}

QString CodePageLabel(const QByteArray& name) {
    if (name == kAscii) return QCoreApplication::translate("CodePage", "Plain ASCII");
    if (name == kUtf8) return QCoreApplication::translate("CodePage", "Unicode (UTF-8)");
    for (const CodePage& page : OfferedCodePages())
        if (page.name == name) return QCoreApplication::translate("CodePage", page.label);
    return QString::fromLatin1(name);
}

CodePageChoice DetectCodePage(QByteArrayView text) {
    const QHash<QByteArray, int> icu = icuCandidates(text);
    QByteArray icuBest;
    for (auto at = icu.cbegin(); at != icu.cend(); ++at)
        if (icuBest.isEmpty() || at.value() > icu.value(icuBest)) icuBest = at.key();

    QList<double> score;
    for (const CodePage& page : OfferedCodePages()) {
        QStringDecoder decoder(page.name.constData(), QStringConverter::Flag::Stateless);
        score.append(decoder.isValid() ? plausibility(decoder.decode(text)) : -1.0);
    }
    const double best = *std::max_element(score.cbegin(), score.cend());
    const QList<CodePage>& pages = OfferedCodePages();
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < pages.size(); ++i)
        if (score[i] >= best - kAlike &&
            (chosen < 0 || icu.value(pages[i].name) > icu.value(pages[chosen].name)))
            chosen = i;
    const QByteArray& name = pages[chosen].name;
    return {name, !(name == icuBest && icu.value(name) >= kSure)};
}

CodePageChoice ChooseCodePage(QByteArrayView bytes, bool byLine) {
    if (IsAscii(bytes)) return {kAscii};
    if (bytes.isValidUtf8()) return {kUtf8};
    QByteArray sample;
    ForEachLogLine(bytes, [&](QByteArrayView line) {
        if (sample.size() >= kSampleBytes || IsAscii(line) || (byLine && line.isValidUtf8()))
            return;
        sample += line;
        sample += '\n';
    });
    return DetectCodePage(sample);
}

LineDecoder::LineDecoder(const QByteArray& codePage, bool byLine)
    : asLog_(false),
      byLine_(byLine),
      decoder_(codePage == kAscii || codePage == kUtf8
                   ? QStringDecoder()
                   : QStringDecoder(codePage.constData(), QStringConverter::Flag::Stateless)) {}

QString LineDecoder::operator()(QByteArrayView line) const {
    if (asLog_) return DecodeLogLine(line);
    if (IsAscii(line)) return QString::fromLatin1(line);
    if ((!decoder_.isValid() || byLine_) && line.isValidUtf8()) {
        while (line.startsWith("\xEF\xBB\xBF")) line = line.sliced(3);
        return QString::fromUtf8(line);
    }
    if (!decoder_.isValid()) return DecodeLogLine(line);
    decoder_.resetState();
    return decoder_.decode(line);
}

}  // namespace kivra
