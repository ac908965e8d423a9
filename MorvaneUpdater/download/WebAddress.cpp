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
    const QString shown =
        QStringLiteral("\u201C") + shortAddressText(url) + QStringLiteral("\u201D");
    if (url.isRelative()) {
        return QStringLiteral("The address %1 is relative and names no server to fetch it from.")
            .arg(shown);
    }
    const QString scheme = url.scheme().toLower();
    if (scheme != u"http" && scheme != u"https") {
        return QStringLiteral("The address %1 is not a web address; only http and https are "
                              "fetched.")
            .arg(shown);
    }
    if (url.host().isEmpty()) {
        return QStringLiteral("The address %1 names no server.").arg(shown);
    }
    return std::nullopt;
}
