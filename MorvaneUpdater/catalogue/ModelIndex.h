#pragma once

#include "catalogue/FirmwareItem.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The model list and every model's records, found in one pass over a catalogue so that a
// model's firmware list is a lookup rather than a pass of canonical comparisons. It must be
// rebuilt whenever the catalogue changes; it holds positions, not records.
class ModelIndex
{
public:
    ModelIndex() = default;
    explicit ModelIndex(const QList<FirmwareItem> &items);

    // As deriveProducts: each model once, as first written, in order of first appearance.
    const QStringList &products() const { return m_products; }

    // Positions of the records of `product` in the indexed catalogue, in catalogue order; the
    // same records firmwareForProduct finds. Empty when no model is chosen or none matches.
    QList<qsizetype> recordsOf(const std::optional<QString> &product) const;

private:
    QStringList m_products;
    // Keyed by NFC form, so canonically equivalent spellings find one model.
    QHash<QString, qsizetype> m_modelByName;
    QList<QList<qsizetype>> m_records;
};
