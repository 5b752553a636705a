#include "core/file_origin.h"

#include <QStringList>
#include <QUrl>
#include <algorithm>

namespace kivra {

namespace {

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The query parameters that carry a credential or a signature, by name in any letter case: what
// lets whoever holds the address fetch the file, or act as the user.
constexpr QLatin1StringView kSecretParameters[] = {
    QLatin1StringView("access_token"),  QLatin1StringView("api_key"),
    QLatin1StringView("apikey"),        QLatin1StringView("auth"),
    QLatin1StringView("auth_token"),    QLatin1StringView("authorization"),
    QLatin1StringView("client_secret"), QLatin1StringView("credential"),
    QLatin1StringView("expires"),       QLatin1StringView("id_token"),
    QLatin1StringView("jwt"),           QLatin1StringView("key"),
    QLatin1StringView("key-pair-id"),   QLatin1StringView("password"),
    QLatin1StringView("policy"),        QLatin1StringView("refresh_token"),
    QLatin1StringView("secret"),        QLatin1StringView("sessionid"),
    QLatin1StringView("sig"),           QLatin1StringView("signature"),
    QLatin1StringView("token"),
};
constexpr QLatin1StringView kSecretPrefixes[] = {QLatin1StringView("x-amz-"),
                                                 QLatin1StringView("x-goog-")};

bool isSecret(QStringView parameter) {
    const QString name = QUrl::fromPercentEncoding(
        parameter.first(parameter.indexOf(u'=') >= 0 ? parameter.indexOf(u'=') : parameter.size())
            .toUtf8());
    for (const QLatin1StringView secret : kSecretParameters)
        if (name.compare(secret, Qt::CaseInsensitive) == 0) return true;
    for (const QLatin1StringView prefix : kSecretPrefixes)
        if (name.startsWith(prefix, Qt::CaseInsensitive)) return true;
    return false;
}

QString withoutSecrets(QStringView parameters) {
    QStringList kept;
    for (const QStringView parameter : parameters.split(u'&'))
        if (!isSecret(parameter)) kept.append(parameter.toString());
    return kept.join(u'&');
}

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool isSlash(QChar c) { return c == u'/' || c == u'\\'; }

// Where the address's scheme ends (after its ':'), 0 without one.
qsizetype schemeEnd(QStringView address) {
    if (address.isEmpty() || !isAsciiLetter(address[0])) return 0;
    for (qsizetype i = 1; i < address.size(); ++i) {
        const QChar c = address[i];
        if (c == u':') return i + 1;
        if (!isAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.')
            return 0;
    }
    return 0;
}

// As browsers read it: "http", "https", "ftp", "ws" and "wss" have a host after the colon with or
// without slashes, either way round; other schemes only after slashes.
bool hostFollows(QStringView scheme) {
    for (const char* special : {"http:", "https:", "ftp:", "ws:", "wss:"})
        if (scheme.compare(QLatin1StringView(special), Qt::CaseInsensitive) == 0) return true;
    return false;
}

// Where the host begins, and -1 for an address without one.
qsizetype authorityStart(QStringView address) {
    const qsizetype scheme = schemeEnd(address);
    qsizetype start = scheme;
    while (start < address.size() && isSlash(address[start])) ++start;
    return start > scheme || hostFollows(address.first(scheme)) ? start : -1;
}

qsizetype authorityEnd(QStringView address) {
    qsizetype end = std::max<qsizetype>(authorityStart(address), schemeEnd(address));
    while (end < address.size() && !isSlash(address[end]) && address[end] != u'?' &&
           address[end] != u'#')
        ++end;
    return end;
}

// Removes the user name and password before the host; whether there were any.
bool dropUser(QString& address) {
    const qsizetype start = authorityStart(address);
    if (start < 0) return false;
    const qsizetype at =
        QStringView(address).sliced(start, authorityEnd(address) - start).lastIndexOf(u'@');
    if (at < 0) return false;
    address.remove(start, at + 1);
    return true;
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
    // A user dropped can bring slashes together ("https://@//a@b/"), making the next name the
    // host: again until nothing is left to drop.
    while (dropUser(clean)) {
    }
    const qsizetype hostEnd = authorityEnd(clean);
    qsizetype fragment = clean.indexOf(u'#', hostEnd);
    if (fragment < 0)
        fragment = clean.size();
    else  // where sign-in pages hand tokens over
        clean = clean.first(fragment + 1) + withoutSecrets(QStringView(clean).sliced(fragment + 1));
    const qsizetype query = QStringView(clean).first(fragment).indexOf(u'?', hostEnd);
    if (query >= 0) {
        const QString kept =
            withoutSecrets(QStringView(clean).sliced(query + 1, fragment - query - 1));
        clean.replace(query, fragment - query, kept.isEmpty() ? QString() : u'?' + kept);
    }
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
