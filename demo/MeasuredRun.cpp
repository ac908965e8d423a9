#include "MeasuredRun.h"

#include "AppDelegate.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

constexpr int idleDelayMs = 2000;
constexpr int updateDelayMs = 1000;

void report(const QString &milestone)
{
    std::printf("%s\n", milestone.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

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
