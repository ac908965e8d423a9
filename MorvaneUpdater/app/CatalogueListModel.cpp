#include "app/CatalogueListModel.h"

#include "app/AppDelegate.h"
#include "app/CatalogueRoles.h"

CatalogueListModel::CatalogueListModel(AppDelegate &delegate, Table table, QObject *parent)
    : QAbstractListModel(parent), m_delegate(delegate), m_table(table)
{
}

void CatalogueListModel::reloadData()
{
    beginResetModel();
    endResetModel();
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
