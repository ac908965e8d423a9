#include "bundle/BundleLayout.h"

#include "trust/ImageDigest.h"
#include "update/LocalFileName.h"
#include "update/RegularFile.h"

#include <QCoreApplication>
#include <sys/stat.h>

namespace {

// An address, with room to spare.
constexpr qint64 maxAddressBytes = 8 << 10;

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BundleLayout)
};

// Why the image's digest, or with `notes` the release notes', keeps the file out of a bundle.
std::optional<QString> digestProblem(const FirmwareItem &item, bool notes)
{
    switch (parseImageDigest(notes ? item.notesDigest : item.digest).state) {
    case ImageDigest::State::valid:
        return std::nullopt;
    case ImageDigest::State::malformed:
        return notes ? Texts::tr("%1 %2 cannot be bundled: its release-notes digest is "
                                 "malformed, and a bundle keeps every file under its digest.")
                     : Texts::tr("%1 %2 cannot be bundled: its image digest is malformed, and a "
                                 "bundle keeps every file under its digest.");
    case ImageDigest::State::absent:
        break;
    }
    return notes ? Texts::tr("%1 %2 cannot be bundled: its list line gives no release-notes "
                             "digest, and a bundle keeps every file under its digest.")
                 : Texts::tr("%1 %2 cannot be bundled: its list line gives no image digest, and "
                             "a bundle keeps every file under its digest.");
}

} // namespace

QString bundleContentName(const QByteArray &sha256)
{
    return QString::fromLatin1(sha256.toHex());
}

std::optional<QString> bundleRefusal(const FirmwareItem &item)
{
    std::optional<QString> problem = digestProblem(item, false);
    if (!problem) {
        problem = digestProblem(item, true);
    }
    if (!problem) {
        return std::nullopt;
    }
    return problem->arg(item.product, item.version);
}

QByteArray bundleAddressText(const QUrl &listURL)
{
    return listURL.toEncoded() + '\n';
}

BundleAddress readBundleAddress(const QString &folder)
{
    const ReadFile file = readRegularFileIn(folder, bundleAddressName, maxAddressBytes);
    if (!file.bytes) {
        return {std::nullopt, Texts::tr("The bundle %1 cannot be read: %2: %3.")
                                  .arg(folder, bundleAddressName, file.errorDescription)};
    }
    const QUrl url = QUrl::fromEncoded(file.bytes->trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) {
        return {std::nullopt, Texts::tr("The bundle %1 names no catalogue address in %2.")
                                  .arg(folder, bundleAddressName)};
    }
    return {url, QString()};
}

bool bundleHoldsFiles(const QString &folder, const FirmwareItem &item)
{
    return bundleHoldsFile(folder, item.digest) && bundleHoldsFile(folder, item.notesDigest);
}

bool bundleHoldsFile(const QString &folder, const QString &digest)
{
    const ImageDigest parsed = parseImageDigest(digest);
    if (parsed.state != ImageDigest::State::valid) {
        return false;
    }
    // By the folder's bytes, as the reader opens it: a link is no file of the bundle.
    const QByteArray path =
        fileNameBytes(folder) + '/' + bundleContentName(parsed.sha256).toLatin1();
    struct stat status = {};
    return ::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
}
