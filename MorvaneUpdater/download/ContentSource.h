#pragma once

#include "download/DownloadLimits.h"

#include <QByteArray>
#include <QUrl>

class Fetch;
class QObject;

// Where the catalogue's list, its signature, the release notes and the images come from:
// the web, or a bundle of the same files kept on a disk. Every fetch is bounded by the limits
// of its kind, whatever the source.
class ContentSource
{
public:
    virtual ~ContentSource() = default;

    // A new fetch owned by `parent`; one that may not be made at all has finished already,
    // with the reason. `sha256` is the 32-byte digest the list line gives for what is fetched,
    // empty when it gives none (and for the list and its signature): a source that keeps
    // files by their digests finds them by it. Whoever asked checks the body all the same.
    virtual Fetch *fetch(const QUrl &url, DownloadKind kind, QObject *parent,
                         const QByteArray &sha256 = {}) = 0;
};
