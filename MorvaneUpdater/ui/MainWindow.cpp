#include "ui/MainWindow.h"

#include "app/AppDelegate.h"
#include "ui/Appearance.h"
#include "ui/FirmwareCell.h"
#include "ui/FocusRing.h"
#include "ui/FullWidthButton.h"
#include "ui/HeaderView.h"
#include "ui/InfoPane.h"
#include "ui/ProductCell.h"
#include "ui/SpokenNotice.h"
#include "ui/WindowAccessibility.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

namespace {

void paintBackground(QWidget &widget, const QColor &color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QListView *makeTable(QAbstractItemModel *model, QItemSelectionModel *selection,
                     QAbstractItemDelegate *cell, const QColor &background, QWidget *parent)
{
    auto *table = new FocusHonestList(parent);
    table->setModel(model);
    table->setSelectionModel(selection);
    table->setItemDelegate(cell);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setUniformItemSizes(true);
    table->setSpacing(0);
    table->setFrameShape(QFrame::NoFrame);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    paintBackground(*table, background);
    paintBackground(*table->viewport(), background);
    QPalette highlight = table->palette();
    highlight.setColor(QPalette::Active, QPalette::Highlight, selectionColor());
    highlight.setColor(QPalette::Inactive, QPalette::Highlight, selectionColor());
    table->setPalette(highlight);
    return table;
}

} // namespace

int splitHeightFitting(int availableHeight, int frameHeight)
{
    const int otherBands = MainWindow::contentHeight - MainWindow::splitHeight;
    return std::clamp(availableHeight - frameHeight - otherBands, MainWindow::minimumSplitHeight,
                      MainWindow::splitHeight);
}

QPoint frameOriginWithin(const QRect &available, const QSize &frame)
{
    return {std::max(available.x(), available.x() + (available.width() - frame.width()) / 2),
            std::max(available.y(), available.y() + (available.height() - frame.height()) / 2)};
}

MainWindow::MainWindow(AppDelegate &delegate, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_delegate(delegate)
{
    static const bool accessibleAsFrame = [] {
        QAccessible::installFactory(&WindowAccessible::create);
        return true;
    }();
    Q_UNUSED(accessibleAsFrame)
    setWindowTitle(title());
    paintBackground(*this, panelBackgroundColor());

    m_banner = new HeaderView(QImage(QStringLiteral(":/HeaderBanner.png")), this);
    m_banner->setFixedHeight(bannerHeight);

    m_productTable = makeTable(delegate.productModel(), delegate.productSelection(),
                               new ProductCell(this), productListBackgroundColor(), this);
    m_productTable->setObjectName(QStringLiteral("Product"));
    m_productTable->setFixedWidth(productPaneWidth);
    m_firmwareTable = makeTable(delegate.firmwareModel(), delegate.firmwareSelection(),
                                new FirmwareCell(this), Qt::white, this);
    m_firmwareTable->setObjectName(QStringLiteral("Firmware"));

    m_split = new QSplitter(Qt::Horizontal, this);
    m_split->setHandleWidth(1);
    m_split->setChildrenCollapsible(false);
    m_split->addWidget(m_productTable);
    m_split->addWidget(m_firmwareTable);
    // Screen readers take the panes in stacking order, which adding left them in backwards.
    m_productTable->lower();
    m_split->setFixedHeight(splitHeight);

    m_infoText = new InfoPane(this);
    m_infoText->setFixedHeight(infoPaneHeight);

    m_updateButton = new FullWidthButton(this);
    m_updateButton->setFixedHeight(buttonHeight);
    // Wider only where a translation's title would not fit the button.
    m_width = std::max(contentWidth, m_updateButton->minimumSizeHint().width());
    setFixedSize(m_width, contentHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_banner);
    layout->addSpacing(1);
    layout->addWidget(m_split);
    layout->addWidget(m_infoText);
    layout->addWidget(m_updateButton);

    m_notice = new SpokenNotice(*this);
    // For the keyboard and screen readers: named lists and pane, and Tab going down the window.
    m_productTable->setAccessibleName(tr("Models"));
    m_firmwareTable->setAccessibleName(tr("Firmware versions"));
    m_infoText->setAccessibleName(tr("Information"));
    new RowDescriptionEvents(*m_productTable, *m_notice);
    new CurrentRowWhileFocused(*m_productTable);
    new CurrentRowWhileFocused(*m_firmwareTable);
    setTabOrder(m_productTable, m_firmwareTable);
    setTabOrder(m_firmwareTable, m_infoText);
    setTabOrder(m_infoText, m_updateButton);
    for (QWidget *stop :
         std::initializer_list<QWidget *>{m_productTable, m_firmwareTable, m_infoText}) {
        new FocusRing(*stop);
    }

    m_updateButton->setEnabled(delegate.isUpdateEnabled());
    connect(&delegate, &AppDelegate::updateEnabledChanged, this,
            &MainWindow::setUpdateButtonEnabled);
    // The outcome is told before the focus moves on to the button.
    connect(&delegate, &AppDelegate::updateFinished, m_infoText, &InfoPane::announceLastLines);
    connect(&delegate, &AppDelegate::updateFinished, m_notice,
            [this] { m_notice->say(m_infoText->accessibleDescription()); });
    connect(&delegate, &AppDelegate::updateFinished, this, &MainWindow::returnFocusToUpdateButton);
    connect(m_updateButton, &FullWidthButton::clicked, &delegate,
            &AppDelegate::updateSelectedFirmware);
    connect(&delegate, &AppDelegate::infoTextChanged, m_infoText, &InfoPane::showText);
    connect(&delegate, &AppDelegate::infoTextChanged, this, &MainWindow::sayUpdateStart);
    m_infoText->showText(delegate.infoText(), false);
}

QString MainWindow::title()
{
    return tr("Updater");
}

QString MainWindow::stopQuestion()
{
    return tr("A firmware update is running. Stopping it now may leave the device needing a new "
              "update before it works again.\n\nStop the update and quit?");
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_delegate.isUpdating() && !confirmStop()) {
        event->ignore();
        return;
    }
    m_delegate.stopUpdate();
    event->accept();
}

bool MainWindow::confirmStop()
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), stopQuestion(), QMessageBox::NoButton,
                    this);
    const QAbstractButton *stop = box.addButton(tr("Stop Update"), QMessageBox::DestructiveRole);
    QPushButton *keep = box.addButton(tr("Keep Updating"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    // An update that ends while the question is open leaves nothing to stop: the question
    // goes, and the close the user asked for goes ahead.
    connect(&m_delegate, &AppDelegate::updateFinished, &box, &QMessageBox::reject);
    box.exec();
    return box.clickedButton() == stop || !m_delegate.isUpdating();
}

void MainWindow::setUpdateButtonEnabled(bool enabled)
{
    if (!enabled) {
        // Whatever comes next, the last outcome is over: nobody who moves to the pane now is
        // to hear it as if it were the news.
        m_infoText->forgetOutcome();
        m_notice->withdraw();
        m_updateStarting = true;
    }
    if (!enabled && focusWidget() == m_updateButton) {
        // Switched off with the focus, the button would hand it on to the model list, where
        // an arrow pressed to follow the log chooses another model and replaces the update's
        // report. The pane only scrolls.
        m_infoText->setFocus(Qt::OtherFocusReason);
        m_buttonGaveFocusAway = true;
    } else if (!enabled) {
        m_buttonGaveFocusAway = false;
    }
    m_updateButton->setEnabled(enabled);
}

void MainWindow::sayUpdateStart(const QString & /*text*/, bool appended)
{
    // An update's first lines are added at the end; a new selection that switched the button
    // off replaces the whole text instead, and starts nothing.
    if (m_updateStarting && appended && m_delegate.isUpdating()) {
        m_notice->say(m_infoText->lastLines().trimmed());
    }
    m_updateStarting = false;
}

void MainWindow::returnFocusToUpdateButton()
{
    // Only while the focus is still where the button left it: a user who moved it on during
    // the update keeps it there.
    if (m_buttonGaveFocusAway && m_updateButton->isEnabled() && focusWidget() == m_infoText) {
        m_updateButton->setFocus(Qt::OtherFocusReason);
    }
    m_buttonGaveFocusAway = false;
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!m_frameCentred && frameGeometry() != geometry()) {
        centerWindowOnMainScreen();
    }
}

void MainWindow::centerWindowOnMainScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen && !QGuiApplication::screens().isEmpty()) {
        screen = QGuiApplication::screens().first();
    }
    if (!screen) {
        return;
    }
    const QRect available = screen->availableGeometry();
    if (frameGeometry() != geometry()) {
        m_frameCentred = true;
    }
    fitSplitHeight(splitHeightFitting(available.height(), frameGeometry().height() - height()));
    move(frameOriginWithin(available, frameGeometry().size()));
}

void MainWindow::fitSplitHeight(int height)
{
    m_split->setFixedHeight(height);
    setFixedSize(m_width, contentHeight - splitHeight + height);
}

std::unique_ptr<MainWindow> buildWindow(AppDelegate &delegate)
{
    auto window = std::make_unique<MainWindow>(delegate);
    window->centerWindowOnMainScreen();
    window->show();
    window->raise();
    window->activateWindow();
    QTimer::singleShot(0, window.get(), [w = window.get()] { w->centerWindowOnMainScreen(); });
    delegate.setInfoText(MainWindow::tr("正在读取固件列表..."));
    return window;
}
