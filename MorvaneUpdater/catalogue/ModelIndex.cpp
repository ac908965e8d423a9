#include "catalogue/ModelIndex.h"

#include "catalogue/UnicodeText.h"

#include <algorithm>

ModelIndex::ModelIndex(const QList<FirmwareItem> &items)
{
    for (qsizetype position = 0; position < items.size(); ++position) {
        const QString &product = items.at(position).product;
        const QString name = canonicalForm(product);
        auto model = m_modelByName.constFind(name);
        if (model == m_modelByName.cend()) {
            model = m_modelByName.insert(name, m_products.size());
            m_products.append(product);
            m_records.emplace_back();
            m_ids.emplace_back();
        }
        m_records[*model].append(position);
        addIds(*model, items.at(position));
    }
}

void ModelIndex::addIds(qsizetype model, const FirmwareItem &item)
{
    const std::optional<UsbIds> ids = usbIdsOf(item);
    if (!ids) {
        return;
    }
    std::vector<UsbIds> &own = m_ids[std::size_t(model)];
    if (std::find(own.begin(), own.end(), *ids) == own.end()) {
        own.push_back(*ids);
    }
    const uint32_t key = uint32_t(ids->vendorID) << 16 | ids->productID;
    auto carried = m_carriedByIds.constFind(key);
    if (carried == m_carriedByIds.cend()) {
        carried = m_carriedByIds.insert(key, m_carried.size());
        m_carried.push_back({*ids, {}});
    }
    QStringList &models = m_carried[*carried].models;
    if (!models.contains(m_products.at(model))) {
        models.append(m_products.at(model));
    }
}

QList<qsizetype> ModelIndex::recordsOf(const std::optional<QString> &product) const
{
    if (!product) {
        return {};
    }
    const auto found = m_modelByName.constFind(canonicalForm(*product));
    return found == m_modelByName.cend() ? QList<qsizetype>() : m_records.at(*found);
}
