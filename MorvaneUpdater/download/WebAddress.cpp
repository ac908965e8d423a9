#include "download/WebAddress.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype shownAddressLength = 100;

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(WebAddress)
};

} // namespace

QString shortAddressText(const QUrl &url)
{
    const QString text = url.toDisplayString();
    return text.size() <= shownAddressLength ? text : text.left(shownAddressLength) + QChar(0x2026);
}

std::optional<QString> webAddressProblem(const QUrl &url)
{
    // The address is made into text only when refused: every record of a signed list passes
    // through here.
    if (url.isRelative()) {
        return Texts::tr(
                   "The address \u201C%1\u201D is relative and names no server to fetch it from.")
            .arg(shortAddressText(url));
    }
    const QString scheme = url.scheme();
    if (scheme.compare(u"http", Qt::CaseInsensitive) != 0 &&
        scheme.compare(u"https", Qt::CaseInsensitive) != 0) {
        return Texts::tr("The address \u201C%1\u201D is not a web address; only http and https are "
                         "fetched.")
            .arg(shortAddressText(url));
    }
    if (url.host().isEmpty()) {
        return Texts::tr("The address \u201C%1\u201D names no server.").arg(shortAddressText(url));
    }
    return std::nullopt;
}

bool isPlainWebAddress(QByteArrayView encoded)
{
    qsizetype at = 0;
    if (encoded.size() > 8 && std::memcmp(encoded.data(), "https://", 8) == 0) {
        at = 8;
    } else if (encoded.size() > 7 && std::memcmp(encoded.data(), "http://", 7) == 0) {
        at = 7;
    } else {
        return false;
    }
    // The host's first character, and no '@' of a user part before the path. Every record of
    // a signed list comes here twice, so the authority is searched with memchr rather than a
    // byte at a time.
    if (!QChar::isLetterOrNumber(uchar(encoded[at]))) {
        return false;
    }
    const char *authority = encoded.data() + at;
    const char *end = encoded.data() + encoded.size();
    if (const void *slash = std::memchr(authority, '/', size_t(end - authority))) {
        end = static_cast<const char *>(slash);
    }
    const void *user = std::memchr(authority, '@', size_t(end - authority));
    if (!user) {
        return true;
    }
    // An '@' after a query or fragment has begun is no user part.
    const auto *userAt = static_cast<const char *>(user);
    return std::find_if(authority, userAt, [](char c) { return c == '?' || c == '#'; }) != userAt;
}
