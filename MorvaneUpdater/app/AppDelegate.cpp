#include "app/AppDelegate.h"

#include "app/InfoLog.h"
#include "bootloader/HotplugMonitor.h"
#include "bootloader/UsbIdentifier.h"
#include "catalogue/ModelList.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "download/Download.h"
#include "download/WebAddress.h"
#include "trust/CatalogueSignature.h"
#include "update/CatalogueReading.h"
#include "update/UpdateMessages.h"

namespace {

QString detailsHeader(const FirmwareItem &item)
{
    return QStringLiteral("Model: ") + item.product + QStringLiteral("\nVersion: ") + item.version +
           QLatin1Char('\n') + item.copyright;
}

} // namespace

AppDelegate::AppDelegate(const QUrl &listURL, HidBackend &hid, const QString &firmwareFolder,
                         const QString &catalogueKey, QObject *parent)
    : QObject(parent), m_hid(hid), m_listURL(listURL), m_trust(catalogueTrustFromKey(catalogueKey)),
      m_timestamps(firmwareFolder), m_pipeline(hid, m_network, firmwareFolder, m_trust.keyBuiltIn),
      m_productModel(*this, Table::product), m_firmwareModel(*this, Table::firmware),
      m_productSelection(&m_productModel), m_firmwareSelection(&m_firmwareModel)
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
    connect(&m_pipeline, &UpdatePipeline::stepReached, this,
            [this](UpdatePipeline::Step step, const QString &line) {
                // The empty line parts the update's report from what the pane showed.
                appendInfo(step == UpdatePipeline::Step::preparing ? QLatin1Char('\n') + line
                                                                   : line);
            });
    connect(&m_pipeline, &UpdatePipeline::progressed, this,
            [this](int, int percent) { replaceLastInfoLine(UpdateMessages::progress(percent)); });
    connect(&m_pipeline, &UpdatePipeline::finished, this,
            [this](const QList<UpdateOutcome> &outcomes) { finishUpdate(outcomes.first()); });
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
    for (const QString &product : std::as_const(m_products)) {
        std::vector<UsbIds> &ids = m_productIds.emplace_back();
        for (const qsizetype position : m_modelIndex.recordsOf(product)) {
            const FirmwareItem &item = m_allItems.at(position);
            const std::optional<int64_t> vendorID = parseUSBIdentifier(item.vid.toStdString());
            const std::optional<int64_t> productID = parseUSBIdentifier(item.pid.toStdString());
            const std::optional<UsbIds> watched =
                vendorID && productID ? watchableIds(*vendorID, *productID) : std::nullopt;
            if (watched && std::find(ids.begin(), ids.end(), *watched) == ids.end()) {
                ids.push_back(*watched);
                all.push_back(*watched);
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
    if (m_trust.keyBuiltIn && !m_trust.key) {
        setInfoText(UpdateMessages::catalogueFetchFailed(m_trust.keyError));
        return;
    }
    if (const std::optional<QString> problem = webAddressProblem(m_listURL)) {
        setInfoText(UpdateMessages::catalogueFetchFailed(*problem));
        return;
    }
    auto *download = new Download(m_network, m_listURL, downloadLimits(DownloadKind::list), this);
    connect(download, &Download::finished, this, [this, download] {
        download->deleteLater();
        const DownloadResult &result = download->result();
        if (!result.succeeded()) {
            setInfoText(UpdateMessages::catalogueFetchFailed(result.errorDescription));
            return;
        }
        if (m_trust.keyBuiltIn) {
            fetchCatalogueSignature(*result.body);
        } else {
            acceptCatalogue(*result.body, nullptr);
        }
    });
}

void AppDelegate::fetchCatalogueSignature(const QByteArray &list)
{
    auto *download = new Download(m_network, catalogueSignatureURL(m_listURL),
                                  downloadLimits(DownloadKind::signature), this);
    connect(download, &Download::finished, this, [this, download, list] {
        download->deleteLater();
        acceptCatalogue(list, &download->result());
    });
}

void AppDelegate::acceptCatalogue(const QByteArray &list, const DownloadResult *signature)
{
    CatalogueReading reading =
        readCatalogue(list, m_trust, catalogueSignatureURL(m_listURL), signature, m_timestamps);
    if (!reading.items) {
        setInfoText(reading.failureLine);
        return;
    }
    setCatalogue(std::move(*reading.items));
    m_productModel.reloadData();
    if (!m_products.isEmpty()) {
        selectFirstRow(m_productSelection);
        tableViewSelectionDidChange(Table::product);
    }
    appendInfo(QStringLiteral("读取固件列表成功，共 %1 个型号，%2 个固件。")
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
        setSelectedProduct(m_products.at(row));
        m_selectedFirmware.reset();
        m_firmwareModel.reloadData();
        setUpdateEnabled(false);
        setInfoText(QStringLiteral("已选择型号：") + m_products.at(row) +
                    QStringLiteral("\n请选择右侧固件版本。"));
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
    const QString header = detailsHeader(item);
    if (const std::optional<QString> problem = webAddressProblem(item.notesURL)) {
        setInfoText(header + QStringLiteral("\n\n") + UpdateMessages::notesFetchFailed(*problem));
        return;
    }
    setInfoText(header + QStringLiteral("\n\n") + UpdateMessages::notesLoading());

    auto *download =
        new Download(m_network, item.notesURL, downloadLimits(DownloadKind::notes), this);
    connect(download, &Download::finished, this, [this, download, item, header] {
        download->deleteLater();
        // An answer for a choice that has changed since is dropped.
        if (!m_selectedFirmware || *m_selectedFirmware != item) {
            return;
        }
        const NotesReading reading = readNotes(item, m_trust.keyBuiltIn, download->result());
        const QString message = reading.notes ? *reading.notes : reading.failureLine;
        setInfoText(header + QStringLiteral("\n\n") + message);
    });
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
    changeInfoText(text, false);
}

void AppDelegate::appendInfo(const QString &line)
{
    changeInfoText(appendedInfoText(m_infoText, line), true);
}

void AppDelegate::replaceLastInfoLine(const QString &line)
{
    changeInfoText(textWithLastInfoLineReplaced(m_infoText, line), true);
}

void AppDelegate::changeInfoText(const QString &text, bool appended)
{
    m_infoText = text;
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
    const FirmwareItem item = *m_selectedFirmware;
    setUpdateEnabled(false);
    m_pipeline.start(updateTargetOf(item));
}

void AppDelegate::stopUpdate()
{
    m_pipeline.stop();
    m_pipeline.waitForTransfers();
}

void AppDelegate::finishUpdate(const UpdateOutcome &outcome)
{
    appendInfo(outcome.hint ? outcome.line + QLatin1Char('\n') + *outcome.hint : outcome.line);
    setUpdateEnabled(m_selectedFirmware.has_value());
    emit updateFinished();
}
