// The long lists of remembered pages as Qt models. A list holds only the ids
// of its rows, in list order; the records behind them are read from the store
// a block at a time when a view first asks for them, so a list of 100,000
// pages is ready at once.
#pragma once

#include "store/Dmsystem.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QHash>
#include <QVector>

// The record manager's grid: one row per record, the columns of table bt.
class TRecordsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Id, Bt, Ur, Rq, Sj, Sy, ColumnCount };

    explicit TRecordsModel(TDm *dm, QObject *parent = nullptr);

    // Replaces the rows by the records with these ids, in this order.
    void setIds(QVector<qint64> ids);
    // The record of row; null when the row is out of range or its record is
    // gone or cannot be read.
    const BtRecord *record(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    static constexpr int Block = 128;
    void loadBlock(int block);

    TDm *m_dm;
    QVector<qint64> m_ids;
    QHash<int, QVector<BtRecord>> m_blocks;  // block number -> its records, row order
};

// The address bar's list: the address item of each record, then items added
// by hand (the visit recorder appends its item). Supports the edits a combo
// box makes: appending, inserting, removing, setting a row's text.
class TAddressListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit TAddressListModel(TDm *dm, QObject *parent = nullptr);

    // Replaces the whole list by the records with these ids, in this order.
    void setIds(const QVector<qint64> &ids);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Entry {
        qint64 id = 0;  // 0: an item added by hand, its text is final
        QString text;   // null until read from the store
    };
    static constexpr int Block = 256;
    void load(int row);

    TDm *m_dm;
    QVector<Entry> m_entries;
};
