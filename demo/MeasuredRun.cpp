#include "MeasuredRun.h"

#include "app/AppDelegate.h"
#include "update/UpdateMessages.h"

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

    QObject::connect(
        &delegate, &AppDelegate::infoTextChanged, &delegate,
        [&delegate, progress](const QString &text, bool appended) {
            if (!progress->catalogueShown) {
                // The catalogue line is appended below the details while the notes are still
                // loading; their arrival replaces both with a whole new text.
                if (!delegate.selectedFirmware() || appended ||
                    text.contains(UpdateMessages::notesLoading())) {
                    return;
                }
                progress->catalogueShown = true;
                report(QStringLiteral("catalogue-shown"));
                QTimer::singleShot(idleDelayMs, &delegate, [&delegate] {
                    report(QStringLiteral("idle"));
                    QTimer::singleShot(updateDelayMs, &delegate,
                                       [&delegate] { delegate.updateSelectedFirmware(); });
                });
                return;
            }
            if (!progress->transferStarted && text.endsWith(UpdateMessages::transferStarting())) {
                progress->transferStarted = true;
                report(QStringLiteral("transfer-started"));
            }
        });
    QObject::connect(&delegate, &AppDelegate::updateFinished, &delegate, [&delegate] {
        report(QStringLiteral("transfer-finished ") + delegate.infoText().section(u'\n', -1));
        QCoreApplication::quit();
    });
}
