#include "app/AppDelegate.h"

#include "app/InfoLog.h"
#include "bootloader/OpenFailureHelp.h"
#include "bootloader/TransferStopped.h"
#include "bootloader/UsbIdentifier.h"
#include "catalogue/ModelIndex.h"
#include "catalogue/ModelList.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "download/NetworkRequest.h"
#include "download/WebAddress.h"
#include "trust/CatalogueSignature.h"
#include "update/CatalogueReading.h"
#include "update/FirmwareFileName.h"
#include "update/FirmwareStore.h"
#include "update/ProgressFilter.h"
#include "update/UpdateMessages.h"

#include <QFileInfo>
#include <QFuture>
#include <QNetworkReply>
#include <QtConcurrent/QtConcurrentRun>
#include <span>

namespace {

QString detailsHeader(const FirmwareItem &item)
{
    return QStringLiteral("Model: ") + item.product + QStringLiteral("\nVersion: ") + item.version +
           QLatin1Char('\n') + item.copyright;
}

bool isDevicePresent(HidBackend &hid, const FirmwareItem &item)
{
    const std::optional<int64_t> vendorID = parseUSBIdentifier(item.vid.toStdString());
    const std::optional<int64_t> productID = parseUSBIdentifier(item.pid.toStdString());
    if (!vendorID || !productID) {
        return false;
    }
    return !hid.devices(*vendorID, *productID).empty();
}

} // namespace

AppDelegate::AppDelegate(const QUrl &listURL, HidBackend &hid, const QString &firmwareFolder,
                         const QString &catalogueKey, QObject *parent)
    : QObject(parent), m_listURL(listURL), m_firmwareFolder(firmwareFolder),
      m_trust(catalogueTrustFromKey(catalogueKey)), m_hid(hid), m_bootloader(hid),
      m_productModel(*this, Table::product), m_firmwareModel(*this, Table::firmware),
      m_productSelection(&m_productModel), m_firmwareSelection(&m_firmwareModel)
{
    m_transferPool.setMaxThreadCount(1);
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
    return int(m_firmwareRecords.size());
}

AppDelegate::CellContent AppDelegate::tableView(Table table, int row) const
{
    if (table == Table::product) {
        if (row < 0 || row >= m_products.size()) {
            return {};
        }
        return {displayProductName(m_products.at(row)), QString()};
    }
    if (row < 0 || row >= m_firmwareRecords.size()) {
        return {};
    }
    const FirmwareItem &item = firmwareAt(row);
    return {item.product + QStringLiteral("  ") + item.version, item.copyright};
}

QList<FirmwareItem> AppDelegate::firmwareForSelectedProduct() const
{
    QList<FirmwareItem> firmware;
    firmware.reserve(m_firmwareRecords.size());
    for (const qsizetype position : m_firmwareRecords) {
        firmware.append(m_allItems.at(position));
    }
    return firmware;
}

const FirmwareItem &AppDelegate::firmwareAt(int row) const
{
    return m_allItems.at(m_firmwareRecords.at(row));
}

void AppDelegate::setCatalogue(QList<FirmwareItem> items)
{
    m_allItems = std::move(items);
    m_modelIndex = ModelIndex(m_allItems);
    m_products = m_modelIndex.products();
    m_firmwareRecords = m_modelIndex.recordsOf(m_selectedProduct);
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
    QNetworkReply *reply = m_network.get(makeDownloadRequest(m_listURL));
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const DownloadResult result = takeDownloadResult(*reply);
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
    QNetworkReply *reply = m_network.get(makeDownloadRequest(catalogueSignatureURL(m_listURL)));
    connect(reply, &QNetworkReply::finished, this, [this, reply, list] {
        reply->deleteLater();
        const DownloadResult signature = takeDownloadResult(*reply);
        acceptCatalogue(list, &signature);
    });
}

void AppDelegate::acceptCatalogue(const QByteArray &list, const DownloadResult *signature)
{
    CatalogueReading reading =
        readCatalogue(list, m_trust, catalogueSignatureURL(m_listURL), signature);
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
        if (!m_firmwareRecords.isEmpty()) {
            selectFirstRow(m_firmwareSelection);
            tableViewSelectionDidChange(Table::firmware);
        }
        return;
    }

    const int row = selectedRow(m_firmwareSelection);
    if (row < 0 || row >= m_firmwareRecords.size()) {
        return;
    }
    m_selectedFirmware = firmwareAt(row);
    setUpdateEnabled(true);
    showFirmwareInfo(firmwareAt(row));
}

void AppDelegate::showFirmwareInfo(const FirmwareItem &item)
{
    const QString header = detailsHeader(item);
    if (const std::optional<QString> problem = webAddressProblem(item.notesURL)) {
        setInfoText(header + QStringLiteral("\n\n") + UpdateMessages::notesFetchFailed(*problem));
        return;
    }
    setInfoText(header + QStringLiteral("\n\n") + UpdateMessages::notesLoading());

    QNetworkReply *reply = m_network.get(makeDownloadRequest(item.notesURL));
    connect(reply, &QNetworkReply::finished, this, [this, reply, item, header] {
        reply->deleteLater();
        // An answer for a choice that has changed since is dropped.
        if (!m_selectedFirmware || *m_selectedFirmware != item) {
            return;
        }
        const DownloadResult result = takeDownloadResult(*reply);
        QString message;
        if (!result.succeeded()) {
            message = UpdateMessages::notesFetchFailed(result.errorDescription);
        } else {
            const std::optional<QString> notes = decodeServerText(*result.body);
            const QString trimmed = notes ? trimWhitespaceAndNewlines(*notes) : QString();
            message = trimmed.isEmpty() ? UpdateMessages::noNotes() : trimmed;
        }
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
    const bool effective = enabled && !m_updating;
    if (effective == m_updateEnabled) {
        return;
    }
    m_updateEnabled = effective;
    emit updateEnabledChanged(m_updateEnabled);
}

void AppDelegate::updateSelectedFirmware()
{
    if (!m_selectedFirmware || m_updating) {
        return;
    }
    const FirmwareItem item = *m_selectedFirmware;
    m_updating = true;
    m_updateStop = std::stop_source();
    setUpdateEnabled(false);
    appendInfo(QLatin1Char('\n') + UpdateMessages::preparingUpdate(item.product, item.version));

    // Decided from the catalogue alone, so nobody is asked to plug in a device for nothing.
    if (const std::optional<QString> refusal = flashRefusal(item, m_trust.keyBuiltIn)) {
        finishUpdate(UpdateMessages::updateFailed(*refusal));
        return;
    }
    if (!isDevicePresent(m_hid, item)) {
        finishUpdate(UpdateMessages::deviceAbsent(item.product));
        return;
    }
    appendInfo(UpdateMessages::deviceFound(item.product));
    downloadFirmware(item);
}

void AppDelegate::downloadFirmware(const FirmwareItem &item)
{
    if (const std::optional<QString> problem = webAddressProblem(item.firmwareURL)) {
        finishUpdate(UpdateMessages::downloadFailed(*problem));
        return;
    }
    QNetworkReply *reply = m_network.get(makeDownloadRequest(item.firmwareURL));
    connect(reply, &QNetworkReply::finished, this, [this, reply, item] {
        reply->deleteLater();
        const DownloadResult result = takeDownloadResult(*reply);
        if (!result.succeeded()) {
            finishUpdate(UpdateMessages::downloadFailed(result.errorDescription));
            return;
        }
        if (m_updateStop.stop_requested()) {
            finishUpdate(UpdateMessages::updateStopped());
            return;
        }
        const QByteArray image = *result.body;
        // On the transfer's own thread, so that stopping, which waits for that thread, also
        // waits for the image to be checked and saved.
        QtConcurrent::run(&m_transferPool, keepDownloadedFirmware, m_firmwareFolder, item, image)
            .then(this, [this, item, image](const KeptFirmware &kept) {
                if (!kept.succeeded()) {
                    finishUpdate(kept.failureLine);
                    return;
                }
                appendInfo(UpdateMessages::firmwareDownloaded(
                    firmwareDisplayName(QFileInfo(kept.filePath).fileName())));
                flashFirmware(image, item);
            });
    });
}

void AppDelegate::stopUpdate()
{
    m_updateStop.request_stop();
    m_transferPool.waitForDone();
}

void AppDelegate::flashFirmware(const QByteArray &firmware, const FirmwareItem &item)
{
    if (m_updateStop.stop_requested()) {
        finishUpdate(UpdateMessages::updateStopped());
        return;
    }
    appendInfo(UpdateMessages::transferStarting());
    m_transferPool.start([this, firmware, item, stop = m_updateStop.get_token()] {
        const std::span<const uint8_t> bytes(
            reinterpret_cast<const uint8_t *>(firmware.constData()), size_t(firmware.size()));
        ProgressFilter filter;
        const auto progress = [this, &filter](int percent) {
            if (const std::optional<int> shown = filter.accept(percent)) {
                const QString line = UpdateMessages::progress(*shown);
                QMetaObject::invokeMethod(
                    this, [this, line] { replaceLastInfoLine(line); }, Qt::QueuedConnection);
            }
        };
        QString finalLine;
        try {
            m_bootloader.flash(bytes, item.vid.toStdString(), item.pid.toStdString(), progress,
                               stop);
            finalLine = UpdateMessages::updateCompleted();
        } catch (const TransferStopped &) {
            finalLine = UpdateMessages::updateStopped();
        } catch (const BootloaderError &error) {
            finalLine =
                UpdateMessages::updateFailed(QString::fromStdString(error.errorDescription()));
            if (const std::optional<std::string> help = openFailureHelp(error)) {
                finalLine += QLatin1Char('\n') + QString::fromStdString(*help);
            }
        } catch (const std::exception &error) {
            finalLine = UpdateMessages::updateFailed(QString::fromUtf8(error.what()));
        }
        QMetaObject::invokeMethod(
            this, [this, finalLine] { finishUpdate(finalLine); }, Qt::QueuedConnection);
    });
}

void AppDelegate::finishUpdate(const QString &line)
{
    appendInfo(line);
    m_updating = false;
    setUpdateEnabled(m_selectedFirmware.has_value());
    emit updateFinished();
}
