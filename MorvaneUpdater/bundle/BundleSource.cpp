#include "bundle/BundleSource.h"

#include "bundle/BundleLayout.h"
#include "download/Fetch.h"
#include "download/WebAddress.h"
#include "trust/CatalogueSignature.h"
#include "update/RegularFile.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BundleSource)
};

DownloadResult failed(const QString &reason)
{
    DownloadResult result;
    result.errorDescription = reason;
    return result;
}

} // namespace

Fetch *BundleSource::fetch(const QUrl &url, DownloadKind kind, QObject *parent,
                           const QByteArray &sha256)
{
    return new FinishedFetch(read(url, kind, sha256), parent);
}

DownloadResult BundleSource::read(const QUrl &url, DownloadKind kind,
                                  const QByteArray &sha256) const
{
    const DownloadLimits limits = downloadLimits(kind);
    QString name;
    const QString &what = limits.what;
    if (kind == DownloadKind::list || kind == DownloadKind::signature) {
        const BundleAddress address = readBundleAddress(m_folder);
        if (!address.listURL) {
            return failed(address.problem);
        }
        // Read as the catalogue it came from, or not at all: its signing times are kept under
        // that address.
        const QUrl expected =
            kind == DownloadKind::list ? *address.listURL : catalogueSignatureURL(*address.listURL);
        if (url != expected) {
            return failed(
                Texts::tr("The bundle %1 holds the catalogue %2, not %3.")
                    .arg(m_folder, shortAddressText(*address.listURL), shortAddressText(url)));
        }
        name = kind == DownloadKind::list ? bundleListName : bundleSignatureName;
    } else if (sha256.isEmpty()) {
        return failed(Texts::tr("The bundle %1 keeps files by their digests, and the list "
                                "gives none for %2 (%3).")
                          .arg(m_folder, what, shortAddressText(url)));
    } else {
        name = bundleContentName(sha256);
    }
    ReadFile file = readRegularFileIn(m_folder, name, limits.maxBytes);
    if (file.absent) {
        return failed(Texts::tr("Not in the bundle %1: %2, file %3.").arg(m_folder, what, name));
    }
    if (!file.bytes) {
        return failed(Texts::tr("The bundle's file %1 (%2) cannot be read: %3.")
                          .arg(name, what, file.errorDescription));
    }
    DownloadResult result;
    result.body = std::move(file.bytes);
    return result;
}
