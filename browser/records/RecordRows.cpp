#include "browser/records/RecordRows.h"

#include "browser/shell/AddressRules.h"

#include <exception>

TRecordsModel::TRecordsModel(TDm *dm, QObject *parent)
    : QAbstractTableModel(parent), m_dm(dm)
{
}

void TRecordsModel::setIds(QVector<qint64> ids)
{
    beginResetModel();
    m_ids = std::move(ids);
    m_blocks.clear();
    endResetModel();
}

void TRecordsModel::loadBlock(int block)
{
    const int first = block * Block;
    const int last = std::min<int>(first + Block, m_ids.size());
    QVector<BtRecord> rows(last - first);
    try {
        QHash<qint64, int> rowOf;
        for (int r = first; r < last; ++r)
            rowOf.insert(m_ids.at(r), r - first);
        const QVector<BtRecord> found = m_dm->recordsByIds(m_ids.mid(first, last - first));
        for (const BtRecord &record : found)
            rows[rowOf.value(record.id)] = record;
    } catch (const std::exception &) {
        // Rows that cannot be read show empty; the next list tries again.
    }
    m_blocks.insert(block, rows);
}

const BtRecord *TRecordsModel::record(int row)
{
    if (row < 0 || row >= m_ids.size())
        return nullptr;
    const int block = row / Block;
    if (!m_blocks.contains(block))
        loadBlock(block);
    const BtRecord &r = m_blocks[block][row % Block];
    return r.id == 0 ? nullptr : &r;
}

int TRecordsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

int TRecordsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TRecordsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const BtRecord *r = const_cast<TRecordsModel *>(this)->record(index.row());
    if (!r)
        return {};
    switch (index.column()) {
    case Id: return r->id;
    case Bt: return r->bt;
    case Ur: return r->ur;
    case Rq: return r->rq;
    case Sj: return r->sj;
    case Sy: return r->sy;
    default: return {};
    }
}

QVariant TRecordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const names[] = {"id", "bt", "ur", "rq", "sj", "sy"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(names[section]) : QVariant();
}

Qt::ItemFlags TRecordsModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// ---------------------------------------------------------------------------

TAddressListModel::TAddressListModel(TDm *dm, QObject *parent)
    : QAbstractListModel(parent), m_dm(dm)
{
}

void TAddressListModel::setIds(const QVector<qint64> &ids)
{
    beginResetModel();
    m_entries.clear();
    m_entries.resize(ids.size());
    for (int i = 0; i < ids.size(); ++i)
        m_entries[i].id = ids.at(i);
    endResetModel();
}

void TAddressListModel::load(int row)
{
    // The block around row: every entry in it still waiting for its text.
    const int first = row - row % Block;
    const int last = std::min<int>(first + Block, m_entries.size());
    QVector<qint64> ids;
    QHash<qint64, int> rowOf;
    for (int r = first; r < last; ++r) {
        const Entry &e = m_entries.at(r);
        if (e.id != 0 && e.text.isNull()) {
            ids.append(e.id);
            rowOf.insert(e.id, r);
        }
    }
    try {
        for (const BtRecord &record : m_dm->recordsByIds(ids))
            m_entries[rowOf.value(record.id)].text = AddressRules::addressItem(record.sy, record.bt, record.ur);
    } catch (const std::exception &) {
        return;  // shown empty for now, read again when asked again
    }
    // A record deleted since the list was read shows as an empty entry.
    for (int r : std::as_const(rowOf)) {
        if (m_entries.at(r).text.isNull())
            m_entries[r].text = QLatin1String("");
    }
}

int TAddressListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant TAddressListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size()
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (m_entries.at(index.row()).text.isNull())
        const_cast<TAddressListModel *>(this)->load(index.row());
    const QString &text = m_entries.at(index.row()).text;
    return text.isNull() ? QString(QLatin1String("")) : text;
}

bool TAddressListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_entries.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    Entry &e = m_entries[index.row()];
    e.id = 0;
    e.text = value.toString();
    if (e.text.isNull())
        e.text = QLatin1String("");
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool TAddressListModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row > m_entries.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    m_entries.insert(row, count, Entry{0, QLatin1String("")});
    endInsertRows();
    return true;
}

bool TAddressListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > m_entries.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_entries.remove(row, count);
    endRemoveRows();
    return true;
}

Qt::ItemFlags TAddressListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
