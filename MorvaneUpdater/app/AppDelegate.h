#pragma once

#include "app/AttachedDevices.h"
#include "app/CatalogueListModel.h"
#include "app/DeviceMark.h"
#include "bootloader/HIDBootloader.h"
#include "catalogue/FirmwareItem.h"
#include "catalogue/ModelIndex.h"
#include "diagnosis/PermissionFindings.h"
#include "download/WebSource.h"
#include "session/TransferInhibitor.h"
#include "trust/CatalogueTrust.h"
#include "update/CatalogueFetch.h"
#include "update/DeviceTransfers.h"
#include "update/ImagePreparation.h"
#include "update/UpdateTarget.h"

#include <QByteArray>
#include <QFuture>
#include <QItemSelectionModel>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>
#include <optional>
#include <vector>

class HidBackend;
class HotplugMonitor;

// The one controller: catalogue, selection, the information log and the update flow.
// It owns the application state and the models the window shows; the window only mirrors
// it (infoTextChanged, updateEnabledChanged) and reports the user's actions back.
// Everything here runs on the GUI thread. An update is composed here in the order the pane
// tells it: the refusal, the device check, preparing the image (checked and kept on a thread
// of its own), then the transfer on the transfer pool; both phases report back here.
class AppDelegate final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppDelegate)

public:
    using Table = CatalogueListModel::Table;

    struct CellContent
    {
        QString title;
        QString detail;
    };

    // `firmwareFolder` is where downloaded images are kept, and the newest signing time
    // accepted for the catalogue. `catalogueTrust` holds the build's keys the list file may be
    // signed with, read once at the program's start (catalogueTrustFromKey); none, it is taken
    // unsigned.
    AppDelegate(const QUrl &listURL, HidBackend &hid, const QString &firmwareFolder,
                const CatalogueTrust &catalogueTrust = {}, QObject *parent = nullptr);
    ~AppDelegate() override;

    // State, read-only from outside.
    const QList<FirmwareItem> &allItems() const { return m_allItems; }
    const QStringList &products() const { return m_products; }
    const std::optional<QString> &selectedProduct() const { return m_selectedProduct; }
    const std::optional<FirmwareItem> &selectedFirmware() const { return m_selectedFirmware; }
    const QString &infoText() const { return m_infoText; }
    bool isUpdateEnabled() const { return m_updateEnabled; }
    bool isUpdating() const { return m_updating; }

    // The two lists.
    CatalogueListModel *productModel() { return &m_productModel; }
    CatalogueListModel *firmwareModel() { return &m_firmwareModel; }
    QItemSelectionModel *productSelection() { return &m_productSelection; }
    QItemSelectionModel *firmwareSelection() { return &m_firmwareSelection; }
    int numberOfRows(Table table) const;
    CellContent tableView(Table table, int row) const;
    // The chosen model's versions, in catalogue order, as a view of the catalogue.
    ModelRecords firmwareForSelectedProduct() const;

    // Marks the model rows whose ids attached devices carry, live, from now on: through
    // `monitor` as devices come and go, or by enumerating once a second when it is null.
    // The update flow does not look at the marks: its device check still decides.
    void watchDevices(std::unique_ptr<HotplugMonitor> monitor);
    // Null until devices are watched.
    const AttachedDevices *attachedDevices() const { return m_attachedDevices.get(); }
    DeviceMark deviceMark(int productRow) const;

    // Catalogue and selection.
    void fetchFirmwareList();
    void tableViewSelectionDidChange(Table table);

    // Information log.
    void setInfoText(const QString &text);
    void appendInfo(const QString &line);
    void replaceLastInfoLine(const QString &line);

    // Keeps the machine from sleeping or shutting down while a device is written, and refuses
    // a transfer on a low battery. Before the first update; null, nothing is asked.
    void useTransferInhibitor(std::unique_ptr<TransferInhibitor> inhibitor);

    // The update button's action.
    void updateSelectedFirmware();
    // Asks a running transfer to stop at its next report boundary and returns once it has
    // closed the device; an update that is still downloading never starts its transfer.
    // The flow then ends with UpdateMessages::updateStopped().
    void stopUpdate();

signals:
    // `appended` is true when lines were added at the end or the progress line was
    // replaced, so that the pane follows the end; a whole new text starts at its top.
    void infoTextChanged(const QString &text, bool appended);
    void updateEnabledChanged(bool enabled);
    // The update flow has ended, whatever the outcome.
    void updateFinished();

private:
    void acceptCatalogue(const CatalogueReading &reading);
    void showNotes(const FirmwareItem &item, const NotesReading &reading);
    // The only writers of the catalogue and the chosen model: both keep the firmware list's
    // positions in step, so the table callbacks need no pass over the catalogue.
    void setCatalogue(QList<FirmwareItem> items);
    void setSelectedProduct(const QString &product);
    void showFirmwareInfo(const FirmwareItem &item);
    void selectFirstRow(QItemSelectionModel &selection);
    int selectedRow(const QItemSelectionModel &selection) const;
    void setUpdateEnabled(bool enabled);
    void transferPreparedImage(const QByteArray &image, const QString &keptLine);
    void finishUpdate(const UpdateOutcome &outcome);
    // The button back on and the update's end told: once its last line has been said.
    void endUpdate();
    // `lastIsProgress`: the text ends in the progress line just written, which the next one
    // replaces.
    void changeInfoText(const QString &text, bool appended, bool lastIsProgress);
    // Each model's ids as the watcher takes them, row by row, and the watcher told of them.
    void watchCatalogueIds();

    HidBackend &m_hid;
    // What doctor would find about a device this user may not open, gathered after such a failure.
    QFuture<PermissionFacts> m_permissionFacts;
    QUrl m_listURL;
    QNetworkAccessManager m_network;
    WebSource m_source;
    HIDBootloader m_bootloader;
    std::unique_ptr<TransferInhibitor> m_inhibitor;
    // Destroyed before the network they fetch with and the bootloader they flash with.
    CatalogueFetch m_catalogue;
    ImagePreparation m_preparation;
    DeviceTransfers m_transfers;
    // Two transfers must never share a device: while an update runs the button stays off
    // and the action is refused.
    bool m_updating = false;
    bool m_stopRequested = false;
    UpdateTarget m_update;

    QList<FirmwareItem> m_allItems;
    QStringList m_products;
    std::optional<QString> m_selectedProduct;
    ModelIndex m_modelIndex;
    // Positions in m_allItems of the chosen model's records, in catalogue order.
    QList<qsizetype> m_firmwareRecords;
    std::optional<FirmwareItem> m_selectedFirmware;

    CatalogueListModel m_productModel;
    CatalogueListModel m_firmwareModel;
    QItemSelectionModel m_productSelection;
    QItemSelectionModel m_firmwareSelection;
    bool m_selectingProgrammatically = false;

    QString m_infoText;
    bool m_lastLineIsProgress = false;
    // What the last list's reading said of the record of signing times: while it holds, every
    // text the pane is given opens with it, so that no later text hides it.
    QStringList m_recordNotices;
    bool m_updateEnabled = false;

    std::vector<std::vector<UsbIds>> m_productIds;
    // Last: its watcher stops before anything it reports into goes.
    std::unique_ptr<AttachedDevices> m_attachedDevices;
};
