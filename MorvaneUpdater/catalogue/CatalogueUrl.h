#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// A catalogue address held as its fully encoded text. A catalogue keeps two per record, and
// a QUrl costs several allocations for its parts; this keeps one. It converts to QUrl
// wherever one is needed.
class CatalogueUrl
{
public:
    CatalogueUrl() = default;
    // Implicit on purpose: a QUrl stands wherever an address is expected.
    CatalogueUrl(const QUrl &url) : m_encoded(url.toEncoded()) {}

    QUrl toUrl() const { return QUrl::fromEncoded(m_encoded, QUrl::StrictMode); }
    operator QUrl() const { return toUrl(); }

    bool isEmpty() const { return m_encoded.isEmpty(); }
    const QByteArray &toEncoded() const { return m_encoded; }
    QString toString() const { return toUrl().toString(); }

    // By text, as the record compares its addresses.
    friend bool operator==(const CatalogueUrl &lhs, const CatalogueUrl &rhs)
    {
        return lhs.m_encoded == rhs.m_encoded;
    }

private:
    QByteArray m_encoded;
};

Q_DECLARE_TYPEINFO(CatalogueUrl, Q_RELOCATABLE_TYPE);
