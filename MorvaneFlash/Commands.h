#pragma once

#include "Console.h"
#include "Environment.h"
#include "Invocation.h"
#include "catalogue/FirmwareItem.h"

#include <QList>
#include <optional>

class Downloader;

// The subcommands; each returns its exit status.
int runList(const Invocation &invocation, Environment &environment, Console &console);
int runNotes(const Invocation &invocation, Environment &environment, Console &console);
int runDevices(const Invocation &invocation, Environment &environment, Console &console);
int runFlash(const Invocation &invocation, Environment &environment, Console &console);
int runLint(const Invocation &invocation, Environment &environment, Console &console);

struct LoadedCatalogue
{
    QList<FirmwareItem> items;
    int status = 0;
    // The list file as it came, for the line numbers of its records.
    QByteArray list = {};
};

// Downloads and parses the list file as the window does, checking its signature and its
// dates when the build has a catalogue key; a failure is reported with the window's text.
LoadedCatalogue loadCatalogue(Downloader &downloader, const QUrl &listURL,
                              const Environment &environment, Console &console);

struct ChosenVersion
{
    std::optional<FirmwareItem> item;
    // When there is no item: the status with which the reason was reported.
    int status = 0;
};

// The version `version` of the model named `model`, or its first version without one, as the
// window preselects it. A model is named in full or as the model list shows it (without the
// maker word), in its letter case or in any case when only one model matches that way.
// Differing records of one version are refused with their lines: choosing one would be a guess.
ChosenVersion chooseVersion(const LoadedCatalogue &catalogue, const QString &model,
                            const std::optional<QString> &version, Console &console);

// "1A86:E0A1"
QString usbIds(int64_t vendorID, int64_t productID);
