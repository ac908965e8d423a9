#include "program/OptionParsing.h"

#include "bootloader/UsbIdentifier.h"
#include "program/HelpText.h"
#include "program/ProgramOptions.h"
#include "station/StationTags.h"
#include "trust/ImageDigest.h"

#include <chrono>
#include <cstdint>

namespace {

// Ten years: a list signed to be taken longer would outlive any reason to hold it back.
constexpr int maxExpiresDays = 3650;

// Seconds, decimals allowed, up to a week; nothing for anything else.
std::optional<std::chrono::milliseconds> durationOption(const QString &text, bool zeroAllowed)
{
    constexpr double week = 7 * 24 * 3600;
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !(seconds >= 0 && seconds <= week) || (seconds == 0 && !zeroAllowed)) {
        return std::nullopt;
    }
    return std::chrono::milliseconds(qint64(seconds * 1000 + 0.5));
}

// Why `command` does not take the options named or this many arguments.
std::optional<QString> shapeProblem(const Command &command, const QStringList &optionNames,
                                    qsizetype argumentCount)
{
    for (const QString &option : optionNames) {
        // Always comes with --wait, which is checked instead.
        if (option == QLatin1String("wait-seconds")) {
            continue;
        }
        if (!globalOptionNames().contains(option) && !command.options.contains(option)) {
            return QStringLiteral("%1 does not take --%2.")
                .arg(QLatin1String(command.name), option);
        }
    }
    if (argumentCount < command.minArguments || argumentCount > command.maxArguments) {
        return QStringLiteral("wrong number of arguments for %1.").arg(QLatin1String(command.name));
    }
    return std::nullopt;
}

// Reads the options' values into `invocation`; the first value that is wrong stops it.
std::optional<QString> readOptions(const QCommandLineParser &parser, Invocation &invocation)
{
    const auto isSet = [&](const char *name) {
        return parser.isSet(QLatin1String(name));
    };
    const auto value = [&](const char *name) {
        return parser.value(QLatin1String(name));
    };
    if (isSet("catalogue")) {
        invocation.listURL = QUrl(value("catalogue"), QUrl::StrictMode);
        if (!invocation.listURL.isValid() || invocation.listURL.isRelative()) {
            return QStringLiteral("--catalogue needs an absolute address.");
        }
    }
    if (isSet("bundle")) {
        invocation.bundle = value("bundle");
        if (invocation.bundle.isEmpty()) {
            return QStringLiteral("--bundle needs the name of a folder.");
        }
    }
    invocation.json = isSet("json");
    invocation.quiet = isSet("quiet");
    invocation.allDevices = isSet("all-devices");
    invocation.fetch = isSet("fetch");
    invocation.ignoreBattery = isSet("ignore-battery");
    invocation.file = value("file");
    invocation.publicKey = value("public-key");
    invocation.secretKey = value("secret-key");
    if (isSet("expires")) {
        bool ok = false;
        invocation.expiresDays = value("expires").toInt(&ok);
        if (!ok || invocation.expiresDays < 1 || invocation.expiresDays > maxExpiresDays) {
            return QStringLiteral("--expires takes a whole number of days from 1 to %1.")
                .arg(maxExpiresDays);
        }
    }
    if (isSet("vid") != isSet("pid")) {
        return QStringLiteral("--vid and --pid go together.");
    }
    if (isSet("vid")) {
        invocation.ids = usbIdsOf(value("vid").toStdString(), value("pid").toStdString());
        if (!invocation.ids) {
            return QStringLiteral("--vid and --pid take 1 to 4 hexadecimal digits.");
        }
    }
    if (isSet("file") && invocation.file.isEmpty()) {
        return QStringLiteral("--file needs the name of an image file.");
    }
    if (isSet("sha256")) {
        const QString text = value("sha256");
        invocation.sha256 = text.startsWith(digestPrefix, Qt::CaseInsensitive)
                                ? text
                                : digestPrefix.toString() + text;
        if (parseImageDigest(invocation.sha256).state != ImageDigest::State::valid) {
            return QStringLiteral("--sha256 takes 64 hexadecimal digits.");
        }
    }
    invocation.watch = isSet("watch");
    invocation.wait = isSet("wait");
    if (isSet("wait-seconds")) {
        invocation.waitLimit = durationOption(value("wait-seconds"), false);
        if (!invocation.waitLimit) {
            return QStringLiteral("--wait=SECONDS takes a number of seconds above 0.");
        }
    }
    if (isSet("settle")) {
        invocation.settle = durationOption(value("settle"), true);
        if (!invocation.settle) {
            return QStringLiteral("--settle takes a number of seconds, 0 or more.");
        }
    }
    if (isSet("serial")) {
        invocation.serial = value("serial");
    }
    if (isSet("path")) {
        invocation.path = value("path");
    }
    if (isSet("root")) {
        invocation.root = value("root");
        if (invocation.root.isEmpty()) {
            return QStringLiteral("--root needs a folder.");
        }
    }
    if (isSet("log")) {
        invocation.log = value("log");
        if (invocation.log.isEmpty()) {
            return QStringLiteral("--log needs the name of a file.");
        }
    }
    if (isSet("station")) {
        invocation.tags.station = value("station");
        if (auto problem = stationProblem(invocation.tags.station)) {
            return problem;
        }
    }
    for (const QString &label : parser.values(QStringLiteral("label"))) {
        if (auto problem = addLabel(invocation.tags, label)) {
            return problem;
        }
    }
    invocation.ports = parser.values(QStringLiteral("port"));
    if (invocation.ports.contains(QString())) {
        return QStringLiteral("--port takes a pattern over the USB port path, such as 1-1.*.");
    }
    if (isSet("drain-timeout")) {
        invocation.drainTimeout = durationOption(value("drain-timeout"), true);
        if (!invocation.drainTimeout) {
            return QStringLiteral("--drain-timeout takes a number of seconds, 0 or more.");
        }
    }
    invocation.journal = isSet("journal");
    if (isSet("metrics")) {
        invocation.metrics = value("metrics");
        // node_exporter's textfile collector reads no other name: a file it skips would leave
        // the station without metrics and nobody told.
        if (!invocation.metrics.endsWith(QLatin1String(".prom"))) {
            return QStringLiteral("--metrics needs a file name ending in .prom, as node_exporter "
                                  "reads them.");
        }
    }
    return std::nullopt;
}

} // namespace

void setUpParser(QCommandLineParser &parser, const QUrl &listURL)
{
    parser.setApplicationDescription(programDescription());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(programOptions(listURL));
    parser.addPositionalArgument(QStringLiteral("command"), commandNames(),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
}

QStringList withWaitSeconds(const QStringList &arguments)
{
    QStringList rewritten;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            rewritten += arguments.mid(i);
            break;
        }
        if (argument.startsWith(QLatin1String("--wait="))) {
            rewritten << QStringLiteral("--wait") << QStringLiteral("--wait-seconds")
                      << argument.mid(7);
        } else {
            rewritten << argument;
        }
    }
    return rewritten;
}

std::optional<QString> commandLineProblem(const Command &command, const QCommandLineParser &parser,
                                          Invocation &invocation)
{
    if (auto problem = shapeProblem(command, parser.optionNames(), invocation.arguments.size())) {
        return problem;
    }
    if (auto problem = readOptions(parser, invocation)) {
        return problem;
    }
    return command.usageProblem ? command.usageProblem(invocation) : std::nullopt;
}
