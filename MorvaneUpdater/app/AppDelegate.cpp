#include "app/AppDelegate.h"

#include "app/InfoLog.h"
#include "bootloader/HotplugMonitor.h"
#include "bootloader/UsbIdentifier.h"
#include "catalogue/ModelList.h"
#include "diagnosis/DoctorSystem.h"
#include "diagnosis/PermissionFindings.h"
#include "update/UpdateMessages.h"

#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString detailsHeader(const FirmwareItem &item)
{
    return AppDelegate::tr("Model: %1\nVersion: %2\n%3")
        .arg(item.product, item.version, item.copyright);
}

} // namespace

AppDelegate::AppDelegate(const QUrl &listURL, HidBackend &hid, const QString &firmwareFolder,
                         const CatalogueTrust &catalogueTrust, QObject *parent)
    : QObject(parent), m_hid(hid), m_listURL(listURL), m_source(m_network), m_bootloader(hid),
      m_catalogue(m_source, catalogueTrust, AcceptedTimestamps(firmwareFolder)),
      m_preparation(m_source, firmwareFolder, m_catalogue.trust().keyBuiltIn),
      m_transfers(m_bootloader), m_productModel(*this, Table::product),
      m_firmwareModel(*this, Table::firmware), m_productSelection(&m_productModel),
      m_firmwareSelection(&m_firmwareModel)
{
    connect(&m_productSelection, &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_selectingProgrammatically) {
            tableViewSelectionDidChange(Table::product);
        }
    });
    connect(&m_firmwareSelection, &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_selectingProgrammatically) {
            tableViewSelectionDidChange(Table::firmware);
        }
    });
    connect(&m_catalogue, &CatalogueFetch::listFetched, this, &AppDelegate::acceptCatalogue);
    connect(&m_catalogue, &CatalogueFetch::notesFetched, this, &AppDelegate::showNotes);
    connect(&m_preparation, &ImagePreparation::prepared, this, &AppDelegate::transferPreparedImage);
    connect(&m_preparation, &ImagePreparation::failed, this, &AppDelegate::finishUpdate);
    connect(&m_transfers, &DeviceTransfers::progressed, this,
            [this](DeviceTransfers::Id, int percent) {
                replaceLastInfoLine(UpdateMessages::progress(percent));
            });
    connect(&m_transfers, &DeviceTransfers::finished, this,
            [this](DeviceTransfers::Id, const UpdateOutcome &outcome) { finishUpdate(outcome); });
}

AppDelegate::~AppDelegate()
{
    // The program is ending: a transfer that ran on would flash on with no window to report
    // to, and the bootloader it uses goes away with this object.
    stopUpdate();
}

int AppDelegate::numberOfRows(Table table) const
{
    if (table == Table::product) {
        return int(m_products.size());
    }
    return int(firmwareForSelectedProduct().size());
}

AppDelegate::CellContent AppDelegate::tableView(Table table, int row) const
{
    if (table == Table::product) {
        if (row < 0 || row >= m_products.size()) {
            return {};
        }
        return {displayProductName(m_products.at(row)), QString()};
    }
    const ModelRecords firmware = firmwareForSelectedProduct();
    if (row < 0 || row >= firmware.size()) {
        return {};
    }
    const FirmwareItem &item = firmware.at(row);
    return {item.product + QStringLiteral("  ") + item.version, item.copyright};
}

void AppDelegate::watchDevices(std::unique_ptr<HotplugMonitor> monitor)
{
    m_attachedDevices = std::make_unique<AttachedDevices>(m_hid, std::move(monitor));
    connect(m_attachedDevices.get(), &AttachedDevices::changed, &m_productModel,
            &CatalogueListModel::reloadDeviceMarks);
    watchCatalogueIds();
}

DeviceMark AppDelegate::deviceMark(int productRow) const
{
    if (!m_attachedDevices || productRow < 0 || std::size_t(productRow) >= m_productIds.size()) {
        return {};
    }
    return deviceMarkOf(m_attachedDevices->devices(), m_productIds[std::size_t(productRow)]);
}

void AppDelegate::watchCatalogueIds()
{
    m_productIds.clear();
    if (!m_attachedDevices) {
        return;
    }
    std::vector<UsbIds> all;
    for (qsizetype model = 0; model < m_products.size(); ++model) {
        std::vector<UsbIds> &ids = m_productIds.emplace_back();
        for (const UsbIds watched : m_modelIndex.idsOf(model)) {
            if (isWatchable(watched)) {
                ids.push_back(watched);
                all.push_back(watched);
            }
        }
    }
    m_attachedDevices->watch(std::move(all));
}

ModelRecords AppDelegate::firmwareForSelectedProduct() const
{
    return {m_allItems, m_firmwareRecords};
}

void AppDelegate::setCatalogue(QList<FirmwareItem> items)
{
    m_allItems = std::move(items);
    m_modelIndex = ModelIndex(m_allItems);
    m_products = m_modelIndex.products();
    m_firmwareRecords = m_modelIndex.recordsOf(m_selectedProduct);
    watchCatalogueIds();
}

void AppDelegate::setSelectedProduct(const QString &product)
{
    m_selectedProduct = product;
    m_firmwareRecords = m_modelIndex.recordsOf(m_selectedProduct);
}

void AppDelegate::fetchFirmwareList()
{
    m_catalogue.fetchList(m_listURL);
}

void AppDelegate::acceptCatalogue(const CatalogueReading &reading)
{
    // Before any text of this reading is shown: from now on each one opens with them.
    m_recordNotices = reading.recordNotices;
    if (!reading.items) {
        setInfoText(reading.failureLine);
        return;
    }
    m_productModel.resetWith([this, &reading] {
        m_firmwareModel.resetWith([this, &reading] { setCatalogue(*reading.items); });
    });
    if (!m_products.isEmpty()) {
        selectFirstRow(m_productSelection);
        tableViewSelectionDidChange(Table::product);
    }
    appendInfo(tr("读取固件列表成功，共 %1 个型号，%2 个固件。")
                   .arg(m_products.size())
                   .arg(m_allItems.size()));
}

void AppDelegate::tableViewSelectionDidChange(Table table)
{
    if (table == Table::product) {
        const int row = selectedRow(m_productSelection);
        if (row < 0 || row >= m_products.size()) {
            return;
        }
        m_firmwareModel.resetWith([this, row] {
            setSelectedProduct(m_products.at(row));
            m_selectedFirmware.reset();
        });
        setUpdateEnabled(false);
        setInfoText(tr("已选择型号：%1\n请选择右侧固件版本。").arg(m_products.at(row)));
        if (!firmwareForSelectedProduct().isEmpty()) {
            selectFirstRow(m_firmwareSelection);
            tableViewSelectionDidChange(Table::firmware);
        }
        return;
    }

    const ModelRecords firmware = firmwareForSelectedProduct();
    const int row = selectedRow(m_firmwareSelection);
    if (row < 0 || row >= firmware.size()) {
        return;
    }
    m_selectedFirmware = firmware.at(row);
    setUpdateEnabled(true);
    showFirmwareInfo(*m_selectedFirmware);
}

void AppDelegate::showFirmwareInfo(const FirmwareItem &item)
{
    if (m_catalogue.fetchNotes(item)) {
        setInfoText(detailsHeader(item) + QStringLiteral("\n\n") + UpdateMessages::notesLoading());
    }
}

void AppDelegate::showNotes(const FirmwareItem &item, const NotesReading &reading)
{
    // An answer for a choice that has changed since is dropped.
    if (!m_selectedFirmware || *m_selectedFirmware != item) {
        return;
    }
    setInfoText(detailsHeader(item) + QStringLiteral("\n\n") +
                (reading.notes ? *reading.notes : reading.failureLine));
}

void AppDelegate::selectFirstRow(QItemSelectionModel &selection)
{
    m_selectingProgrammatically = true;
    selection.setCurrentIndex(selection.model()->index(0, 0),
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_selectingProgrammatically = false;
}

int AppDelegate::selectedRow(const QItemSelectionModel &selection) const
{
    const QModelIndexList rows = selection.selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void AppDelegate::setInfoText(const QString &text)
{
    changeInfoText(textWithNotices(m_recordNotices, text), false, false);
}

void AppDelegate::appendInfo(const QString &line)
{
    changeInfoText(appendedInfoText(m_infoText, line), true, false);
}

void AppDelegate::replaceLastInfoLine(const QString &line)
{
    changeInfoText(textWithLastInfoLineReplaced(m_infoText, line, m_lastLineIsProgress), true,
                   true);
}

void AppDelegate::changeInfoText(const QString &text, bool appended, bool lastIsProgress)
{
    m_infoText = text;
    m_lastLineIsProgress = lastIsProgress;
    emit infoTextChanged(m_infoText, appended);
}

void AppDelegate::setUpdateEnabled(bool enabled)
{
    const bool effective = enabled && !isUpdating();
    if (effective == m_updateEnabled) {
        return;
    }
    m_updateEnabled = effective;
    emit updateEnabledChanged(m_updateEnabled);
}

void AppDelegate::updateSelectedFirmware()
{
    if (!m_selectedFirmware || isUpdating()) {
        return;
    }
    m_update = updateTargetOf(*m_selectedFirmware);
    setUpdateEnabled(false);
    m_updating = true;
    m_stopRequested = false;
    // The empty line parts the update's report from what the pane showed.
    appendInfo(QLatin1Char('\n') +
               UpdateMessages::preparingUpdate(m_update.product, m_update.version));
    // Refused from the catalogue alone, so nobody is asked to plug in a device for nothing.
    if (const std::optional<UpdateOutcome> refusal =
            updateRefusal(m_update, m_catalogue.trust().keyBuiltIn)) {
        finishUpdate(*refusal);
        return;
    }
    if (!m_update.ids || m_hid.devices(m_update.ids->vendorID, m_update.ids->productID).empty()) {
        finishUpdate(
            {UpdateOutcome::Status::deviceAbsent, UpdateMessages::deviceAbsent(m_update.product)});
        return;
    }
    appendInfo(UpdateMessages::deviceFound(m_update.product));
    m_preparation.prepare(m_update);
}

void AppDelegate::transferPreparedImage(const QByteArray &image, const QString &keptLine)
{
    appendInfo(keptLine);
    if (m_stopRequested) {
        finishUpdate({UpdateOutcome::Status::stopped, UpdateMessages::updateStopped()});
        return;
    }
    appendInfo(UpdateMessages::transferStarting());
    // Looked for again: the device may have left, or another taken its place, while the
    // image was downloaded.
    std::unique_ptr<HidDevice> device =
        m_bootloader.findDevice(m_update.ids->vendorID, m_update.ids->productID);
    if (!device) {
        finishUpdate(transferOutcomeOf(BootloaderError::deviceNotFound()));
        return;
    }
    m_transfers.start(std::move(device), image,
                      m_update.product + QLatin1Char(' ') + m_update.version);
}

void AppDelegate::useTransferInhibitor(std::unique_ptr<TransferInhibitor> inhibitor)
{
    m_inhibitor = std::move(inhibitor);
    m_transfers.useInhibitor(m_inhibitor.get());
}

void AppDelegate::stopUpdate()
{
    if (m_updating) {
        m_stopRequested = true;
    }
    m_preparation.stop();
    m_transfers.stopAll();
    m_preparation.waitForDone();
    m_transfers.waitForDone();
    // The HID backend it reads must outlive it.
    m_permissionFacts.waitForFinished();
}

void AppDelegate::finishUpdate(const UpdateOutcome &outcome)
{
    appendInfo(outcome.hint ? outcome.line + QLatin1Char('\n') + *outcome.hint : outcome.line);
    // A device this user may not open: what doctor would find about it, here and now. The facts
    // are gathered on a worker (logind and the device nodes may keep it waiting), and the update
    // ends once they are said, so that they stand right after its outcome.
    if (outcome.status == UpdateOutcome::Status::deviceFailed && outcome.hint && m_update.ids) {
        QtConcurrent::run([&hid = m_hid, ids = *m_update.ids] {
            return permissionFacts(hid, ids);
        }).then(this, [this, product = m_update.product](const PermissionFacts &facts) {
            appendInfo(permissionFindingsText(permissionChecks(facts, product)));
            endUpdate();
        });
        return;
    }
    endUpdate();
}

void AppDelegate::endUpdate()
{
    m_updating = false;
    setUpdateEnabled(m_selectedFirmware.has_value());
    emit updateFinished();
}
