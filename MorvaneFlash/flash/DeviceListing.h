#pragma once

#include "frame/CatalogueChoice.h"

#include <QStringList>
#include <vector>

class Console;
class HidBackend;
struct Environment;

// What devices reports: the attached devices with the ids of `pairs` at the ports the patterns
// allow (every port without any), each on a line with its models, path and access, or as JSON.
int listDevices(const std::vector<IdPair> &pairs, HidBackend &hid, Console &console, bool json,
                const QStringList &ports);

// Each arrival and departure of such a device, as a line or a JSON event, until a stop request.
int watchDevices(const std::vector<IdPair> &pairs, Environment &environment, Console &console,
                 bool json, const QStringList &ports);
