#pragma once

#include "catalogue/FirmwareItem.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One model's records seen in the catalogue they were indexed from, in catalogue order;
// nothing is copied. Valid while that catalogue and the positions are unchanged.
class ModelRecords
{
public:
    ModelRecords(const QList<FirmwareItem> &items, const QList<qsizetype> &positions)
        : m_items(items), m_positions(positions)
    {
    }

    qsizetype size() const { return m_positions.size(); }
    bool isEmpty() const { return m_positions.isEmpty(); }
    const FirmwareItem &at(qsizetype row) const { return m_items.at(m_positions.at(row)); }

private:
    const QList<FirmwareItem> &m_items;
    const QList<qsizetype> &m_positions;
};

// The model list and every model's records, found in one pass over a catalogue so that a
// model's firmware list is a lookup rather than a pass of canonical comparisons. It must be
// rebuilt whenever the catalogue changes; it holds positions, not records.
class ModelIndex
{
public:
    ModelIndex() = default;
    explicit ModelIndex(const QList<FirmwareItem> &items);

    // Each model once, as first written, in order of first appearance.
    const QStringList &products() const { return m_products; }

    // Positions of the records of `product` in the indexed catalogue, in catalogue order: the
    // records whose model name is canonically equal to it. Empty when no model is chosen or
    // none matches.
    QList<qsizetype> recordsOf(const std::optional<QString> &product) const;

private:
    QStringList m_products;
    // Keyed by NFC form, so canonically equivalent spellings find one model.
    QHash<QString, qsizetype> m_modelByName;
    QList<QList<qsizetype>> m_records;
};
