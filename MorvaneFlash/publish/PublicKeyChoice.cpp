#include "publish/PublicKeyChoice.h"

#include "frame/ExitStatus.h"
#include "update/RegularFile.h"

#include <QCoreApplication>
#include <QFile>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PublicKeyChoice)
};

// A .pub file is two short lines a key; a few keys at most.
constexpr qint64 maxPublicKeyBytes = 64 << 10;

// The key itself is given as its key line (base64, which has no dot, beginning with "RW") or
// as the whole .pub text; anything else names a file, so that a missing one is reported as
// such rather than as a bad key.
bool namesKeyFile(const QString &argument)
{
    if (QFile::exists(argument)) {
        return true;
    }
    if (argument.contains(QLatin1Char('\n'))) {
        return false;
    }
    return !argument.trimmed().startsWith(QLatin1String("RW")) ||
           argument.contains(QLatin1Char('.'));
}

KeyChoice unusable(const QString &problem, Console &console)
{
    console.printError(Texts::tr("morvane-flash: the public key is unusable. %1").arg(problem));
    return {{}, exitUsage};
}

} // namespace

KeyChoice chooseKey(const QString &publicKeyOption, const CatalogueTrust &build, Console &console)
{
    if (publicKeyOption.isEmpty()) {
        if (build.keyBuiltIn && build.keys.isEmpty()) {
            return unusable(build.keyProblem, console);
        }
        return {build.keys, exitSuccess};
    }
    QString keyText = publicKeyOption;
    if (namesKeyFile(publicKeyOption)) {
        const ReadFile file = readRegularFile(publicKeyOption, maxPublicKeyBytes);
        if (!file.bytes) {
            console.printError(Texts::tr("morvane-flash: cannot read the public key file %1: %2")
                                   .arg(publicKeyOption, file.errorDescription));
            return {{}, exitUsage};
        }
        keyText = QString::fromUtf8(*file.bytes);
    }
    if (keyText.trimmed().isEmpty()) {
        return {};
    }
    ParsedMinisignPublicKeys parsed = parseMinisignPublicKeys(keyText);
    if (parsed.keys.isEmpty()) {
        return unusable(parsed.error, console);
    }
    return {std::move(parsed.keys), exitSuccess};
}
