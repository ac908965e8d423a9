#include "AppFixture.h"
#include "ui/ApplicationLaunch.h"
#include "ui/FocusRing.h"
#include "ui/FullWidthButton.h"
#include "ui/InfoPane.h"
#include "ui/MainWindow.h"
#include "update/UpdateMessages.h"

#include <QAccessible>
#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <functional>

// Qt's widgets tell screen readers only while one is listening, and nothing listens on the
// offscreen platform: the tests switch the platform's accessibility on, as Qt's own do,
// through the platform classes, which have no public header.
class QPlatformAccessibility
{
public:
    void setActive(bool active);
};
class QPlatformIntegration
{
public:
    QPlatformAccessibility *accessibility() const;
};
class QGuiApplicationPrivate
{
public:
    static QPlatformIntegration *platform_integration;
};

namespace {

// Every event a screen reader would be sent, as "<event> <object>: <detail>", in order.
QStringList g_events;

QString objectName(QAccessibleInterface *object)
{
    if (QAccessibleTableCellInterface *cell = object->tableCellInterface()) {
        return object->parent()->text(QAccessible::Name) + QLatin1Char('/') +
               object->text(QAccessible::Name) + QLatin1Char('#') +
               QString::number(cell->rowIndex());
    }
    return object->text(QAccessible::Name);
}

void record(QAccessibleEvent *event)
{
    QAccessibleInterface *object = event->accessibleInterface();
    if (!object || qobject_cast<FocusRing *>(object->object())) {
        return;
    }
    const QString name = objectName(object);
    switch (event->type()) {
    case QAccessible::Focus:
        g_events.append("focus " + name);
        break;
    case QAccessible::DescriptionChanged:
        g_events.append("description " + name + ": " + object->text(QAccessible::Description));
        break;
    case QAccessible::TextInserted:
        g_events.append("insert " + name + ": " +
                        static_cast<QAccessibleTextInsertEvent *>(event)->textInserted());
        break;
    case QAccessible::TextRemoved:
        g_events.append("remove " + name);
        break;
    case QAccessible::ObjectShow:
        if (object->role() == QAccessible::Notification) {
            g_events.append("notice " + name);
        }
        break;
    case QAccessible::TextUpdated:
        g_events.append("replace " + name + ": " +
                        static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted());
        break;
    default:
        break;
    }
}

} // namespace

// The window on the controller, its catalogue X5 Pro (ids 1a86:e0a1) and Z9 (others), heard
// through what a screen reader would be told.
class AccessibilityTest : public AppFixture
{
protected:
    void SetUp() override
    {
        QGuiApplicationPrivate::platform_integration->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(record);
        m_server.setBody(listPath, line("X5 Pro", "V1", "a") + "Z9;1a86;e0a2;V9;Co.;" +
                                       url("/fw/z.bin") + ";" + url("/fw/z.txt") + ";\n");
        m_server.setBody("/fw/a.txt", "notes of A");
        m_server.setBody("/fw/a.bin", std::string(100, 'x'));
        m_window = applicationDidFinishLaunching(
            *qApp, makeApp(QUrl(QString::fromStdString(url(listPath)))));
        ASSERT_TRUE(waitForEnding("notes of A"));
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        g_events.clear();
    }

    void TearDown() override
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platform_integration->accessibility()->setActive(false);
        g_events.clear();
    }

    // The events of the kinds `prefixes` name, one a line.
    static std::string heardLines(const QStringList &prefixes)
    {
        return heard(prefixes).join(QLatin1Char('|')).toStdString();
    }
    static QStringList heard(const QStringList &prefixes)
    {
        QStringList kept;
        for (const QString &event : std::as_const(g_events)) {
            if (std::any_of(prefixes.begin(), prefixes.end(),
                            [&](const QString &p) { return event.startsWith(p); })) {
                kept.append(event);
            }
        }
        return kept;
    }

    std::unique_ptr<MainWindow> m_window;
};

TEST_F(AccessibilityTest, TheWindowIsAFrameOfItsBandsInScreenOrder)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    QStringList bands;
    for (int i = 0; i < window->childCount(); ++i) {
        EXPECT_EQ(window->indexOfChild(window->child(i)), i);
        bands.append(window->child(i)->text(QAccessible::Name));
    }
    // The banner and the split have no name; nothing of the focus rings shows.
    EXPECT_EQ(bands.join('|').toStdString(), "||Information|Update");
    QAccessibleInterface *split = window->child(1);
    EXPECT_EQ(split->child(0)->text(QAccessible::Name), "Models");
    EXPECT_EQ(split->child(1)->text(QAccessible::Name), "Firmware versions");
    EXPECT_EQ(split->child(0)->role(), QAccessible::List);
    // Nothing else: not the split's two handles, one of them hidden and empty.
    EXPECT_EQ(split->childCount(), 2);
    // The objects in the focused state: the one with the focus, and a list's current row
    // with its list; only the list with the focus has one, its selected row. (A scroll
    // area's viewport would share its area's focus.)
    const std::function<QStringList(QAccessibleInterface *)> focused =
        [&](QAccessibleInterface *object) {
            QStringList names(object->state().focused ? objectName(object) : QString());
            for (int i = 0; i < object->childCount(); ++i) {
                names += focused(object->child(i));
            }
            return names;
        };
    const auto focusedNow = [&] {
        return focused(window).join("").toStdString();
    };
    EXPECT_EQ(focusedNow(), "ModelsModels/X5 Pro#0");
    QTest::keyClick(m_window->productTable(), Qt::Key_Tab);
    EXPECT_EQ(focusedNow(), "Firmware versionsFirmware versions/X5 Pro  V1#0");
    QTest::keyClick(m_window->firmwareTable(), Qt::Key_Tab);
    EXPECT_EQ(focusedNow(), "Information");
    m_window->productTable()->setFocus(Qt::BacktabFocusReason);
    g_events.clear();
    QTest::keyClick(m_window->productTable(), Qt::Key_Down);
    EXPECT_EQ(focusedNow(), "ModelsModels/Z9#1");
    // Choosing the model made its first version current, but the focus is told only of it.
    EXPECT_EQ(heardLines({"focus"}), "focus Models/Z9#1");
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(m_window->updateButton());
    EXPECT_NE(button->text(QAccessible::Description), button->text(QAccessible::Name));
}

TEST_F(AccessibilityTest, APlugTellsTheRowWhoseMarkChangedAndNoOther)
{
    m_app->watchDevices(m_hid.hotplugMonitor());
    const auto told = [&](const QStringList &expected) {
        const bool arrived =
            QTest::qWaitFor([&] { return !heard({"description"}).isEmpty(); }, 20'000);
        QTest::qWait(50);
        EXPECT_TRUE(arrived);
        EXPECT_EQ(heardLines({"description", "notice"}), expected.join('|').toStdString());
        g_events.clear();
    };
    // The focus is on the X5 Pro's row: its changes are also said, with the model's name.
    const auto first = attachDevice();
    told({"description Models/X5 Pro#0: Device attached", "notice X5 Pro: Device attached"});
    const auto second = attachDevice();
    told({"description Models/X5 Pro#0: 2 devices attached", "notice X5 Pro: 2 devices attached"});
    attachDevice({}, 0x1A86, 0xE0A2);
    told({"description Models/Z9#1: Device attached"});
    m_hid.detach(first);
    told({"description Models/X5 Pro#0: Device attached", "notice X5 Pro: Device attached"});
    m_hid.detach(second);
    told({"description Models/X5 Pro#0: ", "notice X5 Pro: No device attached"});
}

TEST_F(AccessibilityTest, AnUpdateIsToldAsTheLinesItAddsThenItsOutcomeThenTheButton)
{
    const QString preparing = UpdateMessages::preparingUpdate("X5 Pro", "V1");
    struct Run
    {
        const char *name;
        bool plugged;
        // The previous update's outcome, which goes from the pane's description first.
        QStringList forgotten;
        QStringList middle;
        QString outcome;
    };
    const Run runs[] = {
        {"completed",
         true,
         {},
         {"insert Information: \n" + UpdateMessages::deviceFound("X5 Pro")},
         UpdateMessages::updateCompleted()},
        {"failed",
         false,
         {"description Information: "},
         {},
         UpdateMessages::deviceAbsent("X5 Pro")},
    };
    for (const auto &[name, plugged, forgotten, middle, outcome] : runs) {
        SCOPED_TRACE(name);
        const auto device = plugged ? attachDevice() : nullptr;
        m_window->updateButton()->setFocus(Qt::TabFocusReason);
        g_events.clear();
        QTest::keyClick(m_window->updateButton(), Qt::Key_Space);
        ASSERT_TRUE(waitForEnding(outcome));
        const QStringList events =
            heard({"focus", "description", "insert", "remove", "replace", "notice"});
        ASSERT_GE(events.size(), 7);
        const auto lines = [](const QStringList &list) {
            return list.join('|').toStdString();
        };
        const QStringList opening =
            forgotten + QStringList{"focus Information", "insert Information: \n\n" + preparing,
                                    "notice " + preparing};
        EXPECT_EQ(lines(events.mid(0, opening.size())), lines(opening));
        EXPECT_EQ(lines(events.mid(opening.size(), middle.size())), lines(middle));
        EXPECT_EQ(lines(events.mid(events.size() - 4)),
                  lines({"insert Information: \n" + outcome, "description Information: " + outcome,
                         "notice " + outcome, "focus Update"}));
        // Never the whole text again; the progress line only ever in place.
        for (const QString &event : events) {
            EXPECT_FALSE(event.startsWith("remove")) << event.toStdString();
            if (event.startsWith("replace")) {
                EXPECT_TRUE(event.startsWith("replace Information: Update progress: "))
                    << event.toStdString();
            }
        }
        if (plugged) {
            m_hid.detach(device);
        }
    }
}

namespace {

// The pane's text as a screen reader keeps it, changed only by the events it is sent.
QString g_heardText;

void replay(QAccessibleEvent *event)
{
    if (!qobject_cast<InfoPane *>(event->object())) {
        return;
    }
    if (event->type() == QAccessible::TextInserted) {
        const auto *insert = static_cast<QAccessibleTextInsertEvent *>(event);
        g_heardText.insert(insert->changePosition(), insert->textInserted());
    } else if (event->type() == QAccessible::TextRemoved) {
        const auto *remove = static_cast<QAccessibleTextRemoveEvent *>(event);
        g_heardText.remove(remove->changePosition(), remove->textRemoved().size());
    } else if (event->type() == QAccessible::TextUpdated) {
        const auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        g_heardText.replace(update->changePosition(), update->textRemoved().size(),
                            update->textInserted());
    }
}

} // namespace

// Changed in place or replaced, the pane shows what the whole text would, and a screen reader
// that applies the changes it is told has that text too, with "\n" for line ends.
TEST(InfoPaneTest, ChangedInPlaceItShowsWhatTheWholeTextWould)
{
    QGuiApplicationPrivate::platform_integration->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(replay);
    const std::pair<QString, QString> changes[] = {
        {"", "a"},
        {"a", "a\nb\nc"},
        {"a\nUpdate progress: 10%", "a\nUpdate progress: 100%"},
        {"a\nUpdate progress: 10%", "a\nUpdate progress: 10%\nUpdate completed."},
        {"abc", "ab"},
        {"x\r\ny", "x\r\ny\nz"},
        {"x\u2028y\vz\nUpdate progress: 1%", "x\ny\nz\nUpdate progress: 2%"},
        {"\U0001F50C plugged", "\U0001F50C plugged\nfound"},
        {"old\nnotes", "new"},
    };
    for (const auto &[before, after] : changes) {
        SCOPED_TRACE(after.toStdString());
        for (const bool appended : {true, false}) {
            InfoPane pane;
            g_heardText.clear();
            pane.showText(before, false);
            pane.showText(after, appended);
            QPlainTextEdit whole;
            whole.setPlainText(after);
            EXPECT_EQ(pane.toPlainText().toStdString(), whole.toPlainText().toStdString());
            EXPECT_EQ(pane.document()->blockCount(), whole.document()->blockCount());
            EXPECT_EQ(g_heardText.toStdString(), whole.toPlainText().toStdString());
        }
    }
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platform_integration->accessibility()->setActive(false);
}

// The log follows its end as lines come, until the reader scrolls away from the end; back at
// the end, it follows again. A new text is shown from its top and followed as it grows.
TEST(InfoPaneTest, FollowsTheEndUnlessTheReaderScrolledAway)
{
    InfoPane pane;
    pane.resize(500, 156);
    pane.show();
    QScrollBar &bar = *pane.verticalScrollBar();
    QString log;
    // A new text; a line added; progress; the reader scrolls up a page; or to the end. Then
    // whether the view is at the end (else where it was, a page up, or at a new text's top).
    const std::pair<char, bool> steps[] = {
        {'n', false}, {'a', true}, {'p', true},  {'u', false}, {'a', false}, {'p', false},
        {'e', true},  {'a', true}, {'u', false}, {'n', false}, {'a', true},
    };
    for (const auto &[step, atEnd] : steps) {
        const int before = bar.value();
        if (step == 'n') {
            log = QString("notes\n").repeated(30) + "Update progress: 0%";
            pane.showText(log, false);
        } else if (step == 'a' || step == 'p') {
            log = log.section('\n', 0, -2) + (step == 'a' ? "\nfound" : "") +
                  QString("\nUpdate progress: %1%").arg(bar.maximum());
            pane.showText(log, true);
        } else {
            bar.triggerAction(step == 'u' ? QAbstractSlider::SliderPageStepSub
                                          : QAbstractSlider::SliderToMaximum);
        }
        const int away = step == 'n' ? 0 : step == 'u' ? before - bar.pageStep() : before;
        EXPECT_EQ(bar.value(), atEnd ? bar.maximum() : away) << step;
    }
}
