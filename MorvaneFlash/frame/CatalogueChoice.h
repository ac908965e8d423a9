#pragma once

#include "bootloader/HidBackend.h"
#include "bootloader/UsbIdentifier.h"
#include "catalogue/FirmwareItem.h"
#include "frame/Console.h"
#include "frame/Environment.h"
#include "update/CatalogueReading.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <vector>

class CatalogueFetch;
class Downloader;

// The catalogue a command works on, and the version in it that the command names.

struct LoadedCatalogue
{
    QList<FirmwareItem> items;
    int status = 0;
    // The list file as it came, for the line numbers of its records.
    QByteArray list = {};
    // Its signature as it came, when one was fetched.
    std::optional<QByteArray> signature = {};
};

// When a catalogue's signature (already verified) says the list expires, in seconds since
// 1970; nothing without one or without an expiry.
std::optional<qint64> listExpiresOf(const std::optional<QByteArray> &signature);

// A bundle is believed only through the catalogue's signature: false, and said, in a build
// without a catalogue key, which neither makes nor reads bundles.
bool mayUseBundles(const Environment &environment, Console &console);

// The catalogue as the window takes it (CatalogueFetch), waited for; nothing when a stop
// request abandoned it, which is said.
std::optional<CatalogueReading> fetchCatalogue(Downloader &downloader, CatalogueFetch &fetch,
                                               const QUrl &listURL);

// The build's catalogue at `listURL`, its signing time kept as the window keeps it; a failure
// is reported with the window's text and the exit status that goes with it. From a bundle only
// when mayUseBundles.
LoadedCatalogue loadCatalogue(Downloader &downloader, const QUrl &listURL,
                              const Environment &environment, Console &console);

// The model of the catalogue named `model`, as chooseVersion names one; nothing when no model or
// several are named so, which is said (the status is exitUsage).
std::optional<QString> chooseModel(const LoadedCatalogue &catalogue, const QString &model,
                                   Console &console);

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

// The versions that words choose (bundle create's after its DIR), each once, in the order named:
// every version of the catalogue without words; after a model's name, the version named next when
// the model has one by that name, else every version of the model. Nothing when a word names no
// model.
std::optional<QList<FirmwareItem>> chosenVersions(const LoadedCatalogue &catalogue,
                                                  const QStringList &words, int &status,
                                                  Console &console);

// One vendor and product id pair of the catalogue, with the models that carry it.
struct IdPair
{
    UsbIds ids;
    QStringList models;
};

// The distinct id pairs of the catalogue in order of first appearance, each with its models.
std::vector<IdPair> catalogueIds(const QList<FirmwareItem> &items);

bool carries(const IdPair &pair, const HidDeviceInfo &info);
