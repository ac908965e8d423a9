#pragma once

#include "frame/ExitStatus.h"
#include "publish/CatalogueLint.h"
#include "trust/MinisignKey.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

class Console;
class Downloader;

// The list lint checks, as it came, with the updater's verdict on its signature.
struct LintSource
{
    QByteArray bytes;
    // The signature's findings and whether they refuse the list, when a key is in use.
    QList<LintFinding> signatureFindings = {};
    bool refused = false;
    int status = exitSuccess;
    // When the signature holds: its signing time.
    std::optional<qint64> signedAt = {};
};

// The list named on the command line and, with a key, the updater's verdict on its signature:
// fetched by the catalogue road as the window fetches it (from the bundle with --bundle, at the
// catalogue's address), or read with "<file>.minisig" beside it. Nothing of lint's own decides
// whether a signature holds.
LintSource readLintSource(const QString &argument, const QUrl &bundleListURL,
                          const QList<MinisignPublicKey> &keys, Downloader &downloader,
                          Console &console);
