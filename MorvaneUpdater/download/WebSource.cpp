#include "download/WebSource.h"

#include "download/Download.h"
#include "download/WebAddress.h"

namespace {

// An address that is not a web address: no request is made.
class RefusedFetch final : public Fetch
{
public:
    RefusedFetch(const QString &problem, QObject *parent) : Fetch(parent)
    {
        DownloadResult result;
        result.errorDescription = problem;
        finish(std::move(result));
    }

    void abort(const QString &) override {}
};

} // namespace

Fetch *WebSource::fetch(const QUrl &url, DownloadKind kind, QObject *parent)
{
    if (const std::optional<QString> problem = webAddressProblem(url)) {
        return new RefusedFetch(*problem, parent);
    }
    return new Download(m_network, url, downloadLimits(kind), parent);
}
