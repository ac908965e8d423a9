#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// A catalogue address held as its fully encoded text. A catalogue keeps two per record, and
// a QUrl costs several allocations for its parts; this keeps one. It converts to QUrl
// wherever one is needed and answers the few QUrl questions the rest of the program asks.
class CatalogueUrl
{
public:
    CatalogueUrl() = default;
    // Implicit on purpose: a QUrl stands wherever an address is expected.
    CatalogueUrl(const QUrl &url) : m_encoded(url.toEncoded()) {}

    QUrl toUrl() const { return QUrl::fromEncoded(m_encoded, QUrl::StrictMode); }
    operator QUrl() const { return toUrl(); }

    bool isEmpty() const { return m_encoded.isEmpty(); }
    bool isValid() const { return toUrl().isValid(); }
    QByteArray toEncoded(QUrl::FormattingOptions options = QUrl::FullyEncoded) const;
    QString
    toString(QUrl::FormattingOptions options = QUrl::FormattingOptions(QUrl::PrettyDecoded)) const
    {
        return toUrl().toString(options);
    }
    QString scheme() const { return toUrl().scheme(); }
    QString host(QUrl::ComponentFormattingOptions options = QUrl::FullyDecoded) const
    {
        return toUrl().host(options);
    }
    QString path(QUrl::ComponentFormattingOptions options = QUrl::FullyDecoded) const
    {
        return toUrl().path(options);
    }
    QString fileName(QUrl::ComponentFormattingOptions options = QUrl::FullyDecoded) const
    {
        return toUrl().fileName(options);
    }

    // By text, as the record compares its addresses.
    friend bool operator==(const CatalogueUrl &lhs, const CatalogueUrl &rhs)
    {
        return lhs.m_encoded == rhs.m_encoded;
    }
    friend bool operator!=(const CatalogueUrl &lhs, const CatalogueUrl &rhs)
    {
        return !(lhs == rhs);
    }

private:
    QByteArray m_encoded;
};

Q_DECLARE_TYPEINFO(CatalogueUrl, Q_RELOCATABLE_TYPE);
