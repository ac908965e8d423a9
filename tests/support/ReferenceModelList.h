#pragma once

#include "catalogue/FirmwareItem.h"
#include "catalogue/ModelList.h"
#include "catalogue/UnicodeText.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// The model lists by plain passes over the catalogue, as the rules state them: the oracles
// the model index is checked against.

// Each product name once, as first written, in order of first appearance.
inline QStringList deriveProducts(const QList<FirmwareItem> &items)
{
    QStringList products;
    QSet<QString> seen;
    for (const FirmwareItem &item : items) {
        if (!seen.contains(canonicalForm(item.product))) {
            seen.insert(canonicalForm(item.product));
            products.append(item.product);
        }
    }
    return products;
}

// The records of one model, in catalogue order; empty when no model is chosen.
inline QList<FirmwareItem> firmwareForProduct(const QList<FirmwareItem> &items,
                                              const std::optional<QString> &product)
{
    QList<FirmwareItem> firmware;
    for (const FirmwareItem &item : items) {
        if (product && sameProductName(item.product, *product)) {
            firmware.append(item);
        }
    }
    return firmware;
}
