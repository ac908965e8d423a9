#include "station/JournalRecord.h"

#include "flash/DeviceSelection.h"

namespace {

// syslog's levels, as the journal keeps them.
constexpr int priorityError = 3;
constexpr int priorityWarning = 4;
constexpr int priorityInfo = 6;

QByteArray field(const char *name, const QString &value)
{
    return QByteArray(name) + '=' + value.toUtf8();
}

} // namespace

UnitEnd unitEndOf(const QString &status)
{
    if (status == u"completed") {
        return UnitEnd::completed;
    }
    if (status == u"stopped") {
        return UnitEnd::stopped;
    }
    if (status == u"skipped") {
        return UnitEnd::skipped;
    }
    return UnitEnd::failed;
}

QByteArray messageIdOf(UnitEnd end)
{
    switch (end) {
    case UnitEnd::completed:
        return QByteArrayLiteral("df46f57e5de047f09a54641abc72ef77");
    case UnitEnd::failed:
        return QByteArrayLiteral("17df66b69d4c4be18997ba1960fb62e2");
    case UnitEnd::stopped:
        return QByteArrayLiteral("2c19f783d8cc458a85e0cb7fd9f022fc");
    case UnitEnd::skipped:
        break;
    }
    return QByteArrayLiteral("3734cbb590f64ad4ac7ed7b1abbcc28b");
}

QList<QByteArray> journalFields(const QJsonObject &record)
{
    const auto text = [&](const char *key) {
        return record.value(QLatin1String(key)).toString();
    };
    const HidDeviceInfo device{.path = text("path").toStdString(),
                               .serialNumber = text("serial").toStdString(),
                               .usbPort = text("usbPort").toStdString()};
    const UnitEnd end = unitEndOf(text("status"));
    const int priority = end == UnitEnd::failed    ? priorityError
                         : end == UnitEnd::stopped ? priorityWarning
                                                   : priorityInfo;
    QList<QByteArray> fields = {
        field("MESSAGE", deviceDescription(device) + QStringLiteral(": ") + text("line")),
        field("PRIORITY", QString::number(priority)),
        "MESSAGE_ID=" + messageIdOf(end),
        "SYSLOG_IDENTIFIER=morvane-flash",
    };
    const auto add = [&](const QByteArray &name, const QString &value) {
        if (!value.isEmpty()) {
            fields.append(name + '=' + deviceString(value.toStdString()).toUtf8());
        }
    };
    for (const auto &[name, key] :
         {std::pair{"MORVANE_SERIAL", "serial"}, std::pair{"MORVANE_PORT", "usbPort"},
          std::pair{"MORVANE_PATH", "path"}, std::pair{"MORVANE_MODEL", "model"},
          std::pair{"MORVANE_VERSION", "version"}, std::pair{"MORVANE_IMAGE_SHA256", "sha256"},
          std::pair{"MORVANE_STATUS", "status"}, std::pair{"MORVANE_STATION", "station"}}) {
        add(name, text(key));
    }
    const QJsonObject labels = record.value(QLatin1String("labels")).toObject();
    for (auto label = labels.begin(); label != labels.end(); ++label) {
        add("MORVANE_LABEL_" + label.key().toUpper().toLatin1(), label.value().toString());
    }
    return fields;
}
