#include "app/CatalogueListModel.h"

#include "app/AppDelegate.h"
#include "app/CatalogueRoles.h"
#include "app/DeviceMark.h"

CatalogueListModel::CatalogueListModel(AppDelegate &delegate, Table table, QObject *parent)
    : QAbstractListModel(parent), m_delegate(delegate), m_table(table)
{
}

void CatalogueListModel::resetWith(const std::function<void()> &change)
{
    beginResetModel();
    change();
    endResetModel();
}

void CatalogueListModel::reloadDeviceMarks()
{
    if (rowCount() > 0) {
        emit dataChanged(index(0), index(rowCount() - 1),
                         {CatalogueRoles::AttachedCountRole, CatalogueRoles::UnopenableCountRole,
                          Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
    }
}

int CatalogueListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_delegate.numberOfRows(m_table);
}

QVariant CatalogueListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const AppDelegate::CellContent cell = m_delegate.tableView(m_table, index.row());
    if (m_table == Table::product) {
        return productData(cell.title, m_delegate.deviceMark(index.row()), role);
    }
    switch (role) {
    case Qt::DisplayRole:
        return cell.title;
    case Qt::ToolTipRole:
        return cell.detail.isEmpty() ? cell.title : cell.title + QLatin1Char('\n') + cell.detail;
    case CatalogueRoles::DetailRole:
    case Qt::AccessibleDescriptionRole:
        return cell.detail;
    default:
        return {};
    }
}

QVariant CatalogueListModel::productData(const QString &title, const DeviceMark &mark, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return title;
    case Qt::ToolTipRole: {
        QString tip = title;
        for (const QString &line :
             {deviceMarkDescription(mark), deviceMarkHelp(mark, ManualPage::omitted)}) {
            tip += line.isEmpty() ? QString() : QLatin1Char('\n') + line;
        }
        return tip;
    }
    case Qt::AccessibleDescriptionRole: {
        const QString help = deviceMarkHelp(mark);
        const QString description = deviceMarkDescription(mark);
        //: A device mark's description, then what the user may do about it.
        return help.isEmpty() ? description : tr("%1. %2").arg(description, help);
    }
    case CatalogueRoles::AttachedCountRole:
        return mark.attached;
    case CatalogueRoles::UnopenableCountRole:
        return mark.unopenable;
    default:
        return {};
    }
}
