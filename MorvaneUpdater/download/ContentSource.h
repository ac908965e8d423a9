#pragma once

#include "download/DownloadLimits.h"

#include <QUrl>

class Fetch;
class QObject;

// Where the catalogue's list, its signature, the release notes and the images come from:
// the web today, a local folder of the same files tomorrow. Every fetch is bounded by the
// limits of its kind, whatever the source.
class ContentSource
{
public:
    virtual ~ContentSource() = default;

    // A new fetch owned by `parent`; one that may not be made at all has finished already,
    // with the reason.
    virtual Fetch *fetch(const QUrl &url, DownloadKind kind, QObject *parent) = 0;
};
