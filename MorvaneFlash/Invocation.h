#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>
#include <optional>

// One parsed command line.
struct Invocation
{
    QString command;
    // The arguments after the command's name.
    QStringList arguments;
    QUrl listURL;
    bool json = false;
    bool quiet = false;
    bool allDevices = false;
    bool fetch = false;
    QString file;
    QString publicKey;
    std::optional<int64_t> vid;
    std::optional<int64_t> pid;
};
