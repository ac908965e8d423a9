#include "download/WebAddress.h"

namespace {
constexpr qsizetype shownAddressLength = 100;
}

QString shortAddressText(const QUrl &url)
{
    const QString text = url.toDisplayString();
    return text.size() <= shownAddressLength ? text : text.left(shownAddressLength) + QChar(0x2026);
}

std::optional<QString> webAddressProblem(const QUrl &url)
{
    // Shown only when refused: every record of a signed list passes through here.
    const auto shown = [&url] {
        return QStringLiteral("\u201C") + shortAddressText(url) + QStringLiteral("\u201D");
    };
    if (url.isRelative()) {
        return QStringLiteral("The address %1 is relative and names no server to fetch it from.")
            .arg(shown());
    }
    const QString scheme = url.scheme();
    if (scheme.compare(u"http", Qt::CaseInsensitive) != 0 &&
        scheme.compare(u"https", Qt::CaseInsensitive) != 0) {
        return QStringLiteral("The address %1 is not a web address; only http and https are "
                              "fetched.")
            .arg(shown());
    }
    if (url.host().isEmpty()) {
        return QStringLiteral("The address %1 names no server.").arg(shown());
    }
    return std::nullopt;
}

bool isPlainWebAddress(QByteArrayView encoded)
{
    qsizetype at = 0;
    if (encoded.startsWith("https://")) {
        at = 8;
    } else if (encoded.startsWith("http://")) {
        at = 7;
    } else {
        return false;
    }
    // The host's first character, and no '@' of a user part before the path.
    if (at >= encoded.size() || !QChar::isLetterOrNumber(uchar(encoded[at]))) {
        return false;
    }
    for (qsizetype i = at; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '/' || c == '?' || c == '#') {
            break;
        }
        if (c == '@') {
            return false;
        }
    }
    return true;
}
