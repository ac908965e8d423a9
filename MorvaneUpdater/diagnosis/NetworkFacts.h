#pragma once

#include "diagnosis/DoctorChecks.h"
#include "download/ContentSource.h"
#include "download/DownloadResult.h"

#include <QUrl>
#include <optional>

// What doctor learns from the network, with its deadline on each question.

// The source `list` takes its files from, with doctor's deadline on every fetch, keeping what
// the list's download answered: its Date header tells the server's clock, whatever the list.
class DoctorSource final : public ContentSource
{
public:
    explicit DoctorSource(ContentSource &inner) : m_inner(inner) {}

    // Must outlive the fetches it hands out.
    Fetch *fetch(const QUrl &url, DownloadKind kind, QObject *parent,
                 const QByteArray &sha256 = {}) override;

    const std::optional<DownloadResult> &listAnswer() const { return m_listAnswer; }

private:
    ContentSource &m_inner;
    std::optional<DownloadResult> m_listAnswer;
};

// The proxy the list's address would go through, judged: reached within doctor's deadline when
// one is set and the address is not exempt.
DoctorCheck judgeProxy(const QUrl &listURL);
