#include "MeasuredRun.h"

#include "AppDelegate.h"
#include "CatalogueServer.h"
#include "FirmwareListParser.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr int idleDelayMs = 2000;
constexpr int updateDelayMs = 1000;

void report(const QString &milestone)
{
    std::printf("%s\n", milestone.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

void publishMeasuredImage(CatalogueServer &server, int size)
{
    QFile list(QStringLiteral(":/demo/catalogue/MORVANE_LST.txt"));
    if (!list.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("demo resource missing: MORVANE_LST.txt");
    }
    QByteArray text = list.readAll();
    text.replace("{{BASE}}", QByteArray::fromStdString(server.baseUrl()));
    const QList<FirmwareItem> items = parseFirmwareList(QString::fromUtf8(text));
    if (items.isEmpty()) {
        throw std::runtime_error("demo MORVANE_LST.txt lists no firmware");
    }
    const QUrl firstImage = items.first().firmwareURL;
    server.setBody(firstImage.path(QUrl::FullyEncoded).toStdString(),
                   std::string(size_t(size), '\x5A'));
}

void startMeasuredRun(AppDelegate &delegate)
{
    struct Progress
    {
        bool catalogueShown = false;
        bool transferStarted = false;
    };
    auto progress = std::make_shared<Progress>();
    const QString awaitingNotes = QStringLiteral("正在读取固件说明...");

    QObject::connect(&delegate, &AppDelegate::infoTextChanged, &delegate,
                     [&delegate, progress, awaitingNotes](const QString &text) {
                         if (!progress->catalogueShown) {
                             if (!delegate.selectedFirmware() ||
                                 !text.startsWith(QStringLiteral("Model: ")) ||
                                 text.endsWith(awaitingNotes)) {
                                 return;
                             }
                             progress->catalogueShown = true;
                             report(QStringLiteral("catalogue-shown"));
                             QTimer::singleShot(idleDelayMs, &delegate, [&delegate] {
                                 report(QStringLiteral("idle"));
                                 QTimer::singleShot(updateDelayMs, &delegate, [&delegate] {
                                     delegate.updateSelectedFirmware();
                                 });
                             });
                             return;
                         }
                         if (!progress->transferStarted &&
                             text.endsWith(QStringLiteral("Starting firmware transfer..."))) {
                             progress->transferStarted = true;
                             report(QStringLiteral("transfer-started"));
                         }
                     });
    QObject::connect(&delegate, &AppDelegate::updateFinished, &delegate, [&delegate] {
        report(QStringLiteral("transfer-finished ") + delegate.infoText().section(u'\n', -1));
        QCoreApplication::quit();
    });
}
