#include "VersionText.h"

#include "trust/CatalogueTrust.h"

QString versionText(const Environment &environment)
{
    const CatalogueTrust trust = catalogueTrustFromKey(environment.catalogueKey);
    QString key = QStringLiteral("no catalogue key");
    if (trust.key) {
        key = QStringLiteral("catalogue key ") + minisignKeyIdText(trust.key->keyId);
    } else if (trust.keyBuiltIn) {
        key = QStringLiteral("catalogue key unusable: ") + trust.keyError;
    }
    return QStringLiteral("morvane-flash " MORVANE_VERSION "\ncatalogue ") +
           environment.listURL.toString() + QLatin1Char('\n') + key;
}
