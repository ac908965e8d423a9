#include "catalogue/ModelIndex.h"

#include "catalogue/UnicodeText.h"

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
        }
        m_records[*model].append(position);
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
