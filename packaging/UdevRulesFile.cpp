// Writes the package's udev rule at build time: the template's @MORVANE_UDEV_RULE_LINES@
// becomes one line per vendor:product pair, each the line doctor advises for that pair
// (udevRuleLine), so that what the package installs and what doctor quotes never differ.
//
// Usage: morvane-udev-rules <template> <output> <vid:pid>...
#include "diagnosis/UdevRule.h"

#include <QFile>
#include <QStringList>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fputs("usage: morvane-udev-rules <template> <output> <vid:pid>...\n", stderr);
        return 2;
    }
    QStringList lines;
    for (int i = 3; i < argc; ++i) {
        const QList<QByteArray> pair = QByteArray(argv[i]).split(':');
        const std::optional<UsbIds> ids =
            pair.size() == 2 ? usbIdsOf(pair[0].toStdString(), pair[1].toStdString())
                             : std::nullopt;
        if (!ids) {
            std::fprintf(stderr, "morvane-udev-rules: %s is not a vendor:product pair\n", argv[i]);
            return 2;
        }
        lines.append(udevRuleLine(*ids));
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "morvane-udev-rules: %s\n",
                     qPrintable(in.isOpen() ? out.errorString() : in.errorString()));
        return 1;
    }
    const QByteArray text =
        in.readAll().replace("@MORVANE_UDEV_RULE_LINES@", lines.join(QLatin1Char('\n')).toUtf8());
    return out.write(text) == text.size() && out.flush() ? 0 : 1;
}
