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
};

// Downloads and parses the list file as the window does, checking its signature and its
// dates when the build has a catalogue key; a failure is reported with the window's text.
LoadedCatalogue loadCatalogue(Downloader &downloader, const QUrl &listURL,
                              const Environment &environment, Console &console);

// The records of the model named `model`, by its full name or as the model list shows it
// (without the maker word), in catalogue order.
QList<FirmwareItem> findModel(const QList<FirmwareItem> &items, const QString &model);

// "1A86:E0A1"
QString usbIds(int64_t vendorID, int64_t productID);
