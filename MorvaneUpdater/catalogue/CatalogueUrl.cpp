#include "CatalogueUrl.h"

QByteArray CatalogueUrl::toEncoded(QUrl::FormattingOptions options) const
{
    if (int(options) == int(QUrl::FullyEncoded)) {
        return m_encoded;
    }
    return toUrl().toEncoded(options);
}
