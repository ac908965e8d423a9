#pragma once

#include <QWidget>
#include <memory>

class AppDelegate;
class FullWidthButton;
class HeaderView;
class InfoPane;
class QListView;
class QSplitter;
class SpokenNotice;

// The one window: banner, the model and firmware lists side by side, the information pane
// and the update button, stacked in fixed bands on a 500 x 739 content area.
class MainWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    static constexpr int contentWidth = 500;
    static constexpr int bannerHeight = 169;
    static constexpr int splitHeight = 365;
    static constexpr int productPaneWidth = 165;
    static constexpr int infoPaneHeight = 156;
    static constexpr int buttonHeight = 48;
    static constexpr int contentHeight =
        bannerHeight + 1 + splitHeight + infoPaneHeight + buttonHeight;
    // On screens too short for the window the lists give way, down to two versions' rows.
    static constexpr int minimumSplitHeight = 100;

    explicit MainWindow(AppDelegate &delegate, QWidget *parent = nullptr);

    HeaderView *banner() const { return m_banner; }
    QListView *productTable() const { return m_productTable; }
    QListView *firmwareTable() const { return m_firmwareTable; }
    InfoPane *infoText() const { return m_infoText; }
    FullWidthButton *updateButton() const { return m_updateButton; }

    // Centres the window's frame on the available area of the primary screen (or the first
    // screen when there is no primary one); the window alone while no frame is known. Where
    // that area is too short for the frame, the two lists are shortened to fit (they scroll)
    // and the title bar stays at the area's top.
    void centerWindowOnMainScreen();

    // The window's title, also the application's display name.
    static QString title();
    static QString stopQuestion();

protected:
    // While an update runs, closing asks first; a confirmed close stops the transfer at its
    // next report boundary and closes the device before the window goes.
    void closeEvent(QCloseEvent *event) override;
    // The window manager reports the frame only some time after the window is shown, so the
    // centring done by then centres the inner window alone and the title bar hangs below the
    // middle; the first move that comes with a known frame centres the frame, once.
    void moveEvent(QMoveEvent *event) override;

private:
    bool confirmStop();
    void setUpdateButtonEnabled(bool enabled);
    void returnFocusToUpdateButton();
    void sayUpdateStart(const QString &text, bool appended);
    void fitSplitHeight(int height);

    AppDelegate &m_delegate;
    HeaderView *m_banner = nullptr;
    QListView *m_productTable = nullptr;
    QListView *m_firmwareTable = nullptr;
    QSplitter *m_split = nullptr;
    InfoPane *m_infoText = nullptr;
    FullWidthButton *m_updateButton = nullptr;
    SpokenNotice *m_notice = nullptr;
    int m_width = contentWidth;
    bool m_frameCentred = false;
    // Whether the button was last switched off with the focus, which it left on the pane.
    bool m_buttonGaveFocusAway = false;
    // Between the button going off and the pane's next change: an update may be starting.
    bool m_updateStarting = false;
};

// The lists' height for a window whose frame adds `frameHeight` to its content, on a screen
// whose available area is `availableHeight` high: all of it where the window fits.
int splitHeightFitting(int availableHeight, int frameHeight);
// Where a frame of `frame` is centred on `available`, but never left of or above it.
QPoint frameOriginWithin(const QRect &available, const QSize &frame);

// Builds the window, shows it centred (and centres it once more after the event loop has
// started, and once the window manager has reported its frame) and writes the pane's first
// text.
std::unique_ptr<MainWindow> buildWindow(AppDelegate &delegate);
