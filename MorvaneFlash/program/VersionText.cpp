#include "program/VersionText.h"

#include "trust/CatalogueTrust.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QStringList>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(VersionText)
};

} // namespace

QString versionText(const Environment &environment)
{
    const CatalogueTrust &trust = environment.catalogueTrust;
    QString key = Texts::tr("no catalogue key");
    if (trust.keys.size() == 1) {
        key = Texts::tr("catalogue key %1").arg(minisignKeyIdText(trust.keys.first().keyId));
    } else if (!trust.keys.isEmpty()) {
        // A rotation under way: the id a publisher signs with now, then those it may move to.
        QStringList ids;
        for (const MinisignPublicKey &trusted : trust.keys) {
            const QString id = minisignKeyIdText(trusted.keyId);
            ids.append(ids.isEmpty() ? Texts::tr("%1 (active)").arg(id)
                                     : Texts::tr("%1 (standby)").arg(id));
        }
        key = Texts::tr("catalogue keys %1").arg(ids.join(Texts::tr(", ", "between key ids")));
    } else if (trust.keyBuiltIn) {
        key = Texts::tr("catalogue key unusable: %1").arg(trust.keyError);
    }
    return QStringLiteral("morvane-flash " MORVANE_VERSION "\n") +
           Texts::tr("catalogue %1").arg(environment.listURL.toString()) + QLatin1Char('\n') + key;
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
