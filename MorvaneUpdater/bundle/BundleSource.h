#pragma once

#include "download/ContentSource.h"
#include "download/DownloadResult.h"

#include <QString>

// Content from an offline bundle (bundle/BundleLayout.h) in place of the web: the list and its
// signature at the address the bundle was made from, and every image and notes text by the
// digest its list line gives. Each file is read as a download is bounded, a link or anything
// but a regular file is refused, and nothing else is read; no network is touched. What is read
// is checked by whoever asked, as a download is.
class BundleSource final : public ContentSource
{
public:
    explicit BundleSource(QString folder) : m_folder(std::move(folder)) {}

    Fetch *fetch(const QUrl &url, DownloadKind kind, QObject *parent,
                 const QByteArray &sha256) override;

private:
    DownloadResult read(const QUrl &url, DownloadKind kind, const QByteArray &sha256) const;

    const QString m_folder;
};
