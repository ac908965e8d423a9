#pragma once

#include "catalogue/FirmwareItem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Each product name once, in order of first appearance.
QStringList deriveProducts(const QList<FirmwareItem> &items);

// The records of one model, in catalogue order; empty when no model is chosen.
QList<FirmwareItem> firmwareForProduct(const QList<FirmwareItem> &items,
                                       const std::optional<QString> &product);

// The model list hides the maker word: every "MORVANE " is removed, case-sensitively.
QString displayProductName(const QString &product);

// Model names compare as FirmwareItem texts do: under canonical equivalence.
bool sameProductName(const QString &lhs, const QString &rhs);
