#include "download/WebSource.h"

#include "download/Download.h"
#include "download/WebAddress.h"

Fetch *WebSource::fetch(const QUrl &url, DownloadKind kind, QObject *parent, const QByteArray &)
{
    if (const std::optional<QString> problem = webAddressProblem(url)) {
        DownloadResult refused;
        refused.errorDescription = *problem;
        return new FinishedFetch(std::move(refused), parent);
    }
    return new Download(m_network, url, downloadLimits(kind), parent);
}
