#pragma once

#include <QAbstractListModel>
#include <functional>

class AppDelegate;
struct DeviceMark;

// One of the two lists as an item model. It holds nothing itself: every row count and
// every cell text is asked of the controller, so the list always follows its state.
class CatalogueListModel final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CatalogueListModel)

public:
    enum class Table
    {
        product,
        firmware
    };

    CatalogueListModel(AppDelegate &delegate, Table table, QObject *parent = nullptr);

    // Runs `change`, which changes what the controller answers for this list, inside a reset:
    // the views let go of the old rows before they are gone.
    void resetWith(const std::function<void()> &change);
    // The attached devices changed: every row's device roles are asked again.
    void reloadDeviceMarks();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    static QVariant productData(const QString &title, const DeviceMark &mark, int role);

    AppDelegate &m_delegate;
    Table m_table;
};
