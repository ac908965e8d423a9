#include "program/VersionText.h"

#include "trust/CatalogueTrust.h"

#include <QJsonArray>
#include <QStringList>

QString versionText(const Environment &environment)
{
    const CatalogueTrust &trust = environment.catalogueTrust;
    QString key = QStringLiteral("no catalogue key");
    if (trust.keys.size() == 1) {
        key = QStringLiteral("catalogue key ") + minisignKeyIdText(trust.keys.first().keyId);
    } else if (!trust.keys.isEmpty()) {
        // A rotation under way: the id a publisher signs with now, then those it may move to.
        QStringList ids;
        for (const MinisignPublicKey &trusted : trust.keys) {
            ids.append(minisignKeyIdText(trusted.keyId) + (ids.isEmpty()
                                                               ? QStringLiteral(" (active)")
                                                               : QStringLiteral(" (standby)")));
        }
        key = QStringLiteral("catalogue keys ") + ids.join(QStringLiteral(", "));
    } else if (trust.keyBuiltIn) {
        key = QStringLiteral("catalogue key unusable: ") + trust.keyError;
    }
    return QStringLiteral("morvane-flash " MORVANE_VERSION "\ncatalogue ") +
           environment.listURL.toString() + QLatin1Char('\n') + key;
}

QJsonObject versionJson(const Environment &environment)
{
    const CatalogueTrust &trust = environment.catalogueTrust;
    QJsonArray keys;
    for (const MinisignPublicKey &trusted : trust.keys) {
        keys.append(
            QJsonObject{{QStringLiteral("id"), minisignKeyIdText(trusted.keyId)},
                        {QStringLiteral("role"),
                         keys.isEmpty() ? QStringLiteral("active") : QStringLiteral("standby")}});
    }
    QJsonObject version{{QStringLiteral("version"), QStringLiteral(MORVANE_VERSION)},
                        {QStringLiteral("catalogue"), environment.listURL.toString()},
                        {QStringLiteral("keys"), keys}};
    if (trust.keys.isEmpty() && trust.keyBuiltIn) {
        version.insert(QStringLiteral("keyError"), trust.keyError);
    }
    return version;
}
