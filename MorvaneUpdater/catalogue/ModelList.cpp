#include "catalogue/ModelList.h"

#include "catalogue/UnicodeText.h"

QString displayProductName(const QString &product)
{
    return QString(product).remove(QStringLiteral("MORVANE "), Qt::CaseSensitive);
}

bool sameProductName(const QString &lhs, const QString &rhs)
{
    return canonicallyEqual(lhs, rhs);
}
