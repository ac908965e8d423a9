#pragma once

#include "download/ContentSource.h"

class QNetworkAccessManager;

// Content from the web: every address must be a web address (webAddressProblem) and is
// downloaded as every download of the updater is (Download). Digests are the caller's to check.
class WebSource final : public ContentSource
{
public:
    explicit WebSource(QNetworkAccessManager &network) : m_network(network) {}

    Fetch *fetch(const QUrl &url, DownloadKind kind, QObject *parent,
                 const QByteArray &sha256) override;

private:
    QNetworkAccessManager &m_network;
};
