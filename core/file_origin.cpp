#include "core/file_origin.h"

namespace kivra {

namespace {

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

QString decoded(QByteArrayView bytes) {
    return bytes.size() > platform::kMaxOriginBytes ? QString() : QString::fromUtf8(bytes);
}

}  // namespace

QString CleanAddress(QStringView address) {
    QString clean;
    clean.reserve(address.size());
    for (const QChar c : address)
        if (!c.isSpace() && !isControl(c)) clean.append(c);
    // The authority runs from "//" to the path, query or fragment; its last '@' ends the user.
    const qsizetype scheme = clean.indexOf(QLatin1StringView("://"));
    if (scheme < 0) return clean;
    const qsizetype start = scheme + 3;
    qsizetype end = start;
    while (end < clean.size() && clean[end] != u'/' && clean[end] != u'?' && clean[end] != u'#')
        ++end;
    const qsizetype at = QStringView(clean).sliced(start, end - start).lastIndexOf(u'@');
    if (at >= 0) clean.remove(start, at + 1);
    return clean;
}

FileOrigin ParseZoneIdentifier(QByteArrayView text) {
    FileOrigin origin;
    bool inSection = false;
    for (qsizetype begin = 0; begin < text.size();) {
        qsizetype end = begin;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        const QByteArrayView line = text.sliced(begin, end - begin).trimmed();
        begin = end + 1;
        if (line.startsWith('[')) {
            inSection = line.compare("[ZoneTransfer]", Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || equals < 0) continue;
        const QByteArrayView key = line.first(equals).trimmed();
        const QString value = CleanAddress(decoded(line.sliced(equals + 1)));
        if (key.compare("HostUrl", Qt::CaseInsensitive) == 0)
            origin.address = value;
        else if (key.compare("ReferrerUrl", Qt::CaseInsensitive) == 0)
            origin.referrer = value;
    }
    return origin;
}

FileOrigin DecodeOrigin(const platform::OriginAttributes& attributes) {
    FileOrigin origin = ParseZoneIdentifier(attributes.zoneIdentifier);
    if (!attributes.originUrl.isEmpty()) {
        origin.address = CleanAddress(decoded(attributes.originUrl));
        origin.referrer = CleanAddress(decoded(attributes.referrerUrl));
    }
    QString comment = decoded(attributes.comment);
    for (QChar& c : comment)
        if (isControl(c) || c.isSpace()) c = u' ';
    origin.comment = comment.trimmed();
    return origin;
}

}  // namespace kivra
