#pragma once

#include "bootloader/UsbIdentifier.h"
#include "catalogue/FirmwareItem.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

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

// The ids of a record, read once here for every caller.
inline std::optional<UsbIds> usbIdsOf(const FirmwareItem &item)
{
    return usbIdsOf(item.vid.toStdString(), item.pid.toStdString());
}

// One id pair of a catalogue, with the models whose records name it.
struct CarriedIds
{
    UsbIds ids;
    // As products() writes them, in the order their records first name the pair.
    QStringList models;
};

// The model list, every model's records and the ids they name, found in one pass over a catalogue
// so that a model's firmware list is a lookup rather than a pass of canonical comparisons. It must
// be rebuilt whenever the catalogue changes; it holds positions, not records.
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

    // The id pairs the records of the model at `model` in products() name, each once, in
    // catalogue order; a record whose ids no device can carry (usbIdsOf) names none.
    const std::vector<UsbIds> &idsOf(qsizetype model) const { return m_ids.at(std::size_t(model)); }
    // Every id pair the catalogue names, once, in order of first appearance.
    const std::vector<CarriedIds> &carriedIds() const { return m_carried; }

private:
    void addIds(qsizetype model, const FirmwareItem &item);

    QStringList m_products;
    // Keyed by NFC form, so canonically equivalent spellings find one model.
    QHash<QString, qsizetype> m_modelByName;
    QList<QList<qsizetype>> m_records;
    std::vector<std::vector<UsbIds>> m_ids;
    std::vector<CarriedIds> m_carried;
    // Places in m_carried, by vendor id << 16 | product id.
    QHash<uint32_t, std::size_t> m_carriedByIds;
};
