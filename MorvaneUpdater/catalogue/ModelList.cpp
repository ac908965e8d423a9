#include "catalogue/ModelList.h"

#include "catalogue/UnicodeText.h"

#include <QSet>

QStringList deriveProducts(const QList<FirmwareItem> &items)
{
    QStringList products;
    QSet<QString> seen;
    for (const FirmwareItem &item : items) {
        // The set holds NFC forms; the list keeps each model as first written.
        const QString key = canonicalForm(item.product);
        if (seen.contains(key)) {
            continue;
        }
        seen.insert(key);
        products.append(item.product);
    }
    return products;
}

QList<FirmwareItem> firmwareForProduct(const QList<FirmwareItem> &items,
                                       const std::optional<QString> &product)
{
    QList<FirmwareItem> firmware;
    if (!product) {
        return firmware;
    }
    for (const FirmwareItem &item : items) {
        if (sameProductName(item.product, *product)) {
            firmware.append(item);
        }
    }
    return firmware;
}

QString displayProductName(const QString &product)
{
    return QString(product).remove(QStringLiteral("MORVANE "), Qt::CaseSensitive);
}

bool sameProductName(const QString &lhs, const QString &rhs)
{
    return canonicallyEqual(lhs, rhs);
}
