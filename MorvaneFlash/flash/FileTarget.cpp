#include "flash/FileTarget.h"

#include "download/DownloadLimits.h"
#include "frame/Console.h"
#include "frame/Environment.h"
#include "frame/ExitStatus.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/RegularFile.h"
#include "update/UpdateTarget.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FileTarget)
};

} // namespace

int fileTarget(const ImageFile &image, const Environment &environment, Console &console,
               UpdateTarget &target)
{
    // A build that trusts a key flashes nothing its holder has not bound by a digest; for a
    // file that is the digest given beside it.
    if (image.sha256.isEmpty() && environment.catalogueTrust.keyBuiltIn) {
        console.printError(Texts::tr("This build trusts a catalogue key, so an image file is "
                                     "flashed only with its digest: give --sha256 HEX."));
        return exitIntegrity;
    }
    // Bounded as a downloaded image is, and never waiting on a FIFO or a device.
    ReadFile file = readRegularFile(image.path, maxImageBytes);
    if (!file.bytes) {
        console.printError(Texts::tr("Cannot read the firmware file %1: %2.")
                               .arg(image.path, file.errorDescription));
        return exitUsage;
    }
    target.image = std::move(*file.bytes);
    if (!image.sha256.isEmpty()) {
        const QByteArray expected = parseImageDigest(image.sha256).sha256;
        if (const QByteArray received = sha256Of(target.image); received != expected) {
            console.printError(
                Texts::tr("The firmware file %1 does not match --sha256 (%2); nothing is "
                          "flashed.")
                    .arg(image.path, digestMismatchText(expected, received)));
            return exitIntegrity;
        }
    }
    // An empty image would be "flashed" without a byte reaching the device.
    if (target.image.isEmpty()) {
        console.printError(Texts::tr("The firmware file %1 is empty.").arg(image.path));
        return exitUsage;
    }
    target.ids = image.ids;
    target.product = QString::fromStdString(usbIdsText(*target.ids));
    target.version = QFileInfo(image.path).fileName();
    return exitSuccess;
}
