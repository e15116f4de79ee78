#include "gui/records/record_list_model.h"

#include "core/common/amounts.h"
#include "core/common/engine_error.h"
#include "core/records/record_types.h"

#include <QCoreApplication>

namespace {

// A block is about two screens of lines; a dozen blocks keep a scroll back cheap.
constexpr int blockSize = 64;
constexpr int keptBlocks = 12;

QString typeName(const QString& status) {
    const int at = recordtype::indexOf(status.trimmed().toUpper());
    return at < 0 ? status
                  : QCoreApplication::translate("RecordListModel", recordtype::recordTypeNames[at]);
}

} // namespace

RecordListModel::RecordListModel(Database& db, QObject* parent)
    : QAbstractTableModel(parent)
    , m_db(db) {}

RecordListModel::~RecordListModel() = default;

void RecordListModel::setFilter(const RecordListFilter& filter) {
    m_filter = filter;
    reload();
}

void RecordListModel::reload() {
    beginResetModel();
    m_blocks.clear();
    m_recentBlocks.clear();
    m_count = 0;
    m_rows = std::make_unique<RecordListRows>(m_db, m_filter);
    // Raised to the caller after the reset ends, so the view never sees half a model.
    std::optional<EngineError> failure;
    try {
        m_count = m_rows->count();
    } catch (const EngineError& error) {
        failure = error;
    }
    endResetModel();
    if (failure)
        throw *failure;
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_count;
}

int RecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const RecordListRow* RecordListModel::lineAt(int line) const {
    if (line < 0 || line >= m_count || !m_rows)
        return nullptr;
    const int block = line / blockSize;
    auto found = m_blocks.find(block);
    if (found == m_blocks.end()) {
        QList<RecordListRow> lines;
        try {
            lines = readBlock(block);
        } catch (const EngineError&) {
            return nullptr; // the next reload tells the user; a view cannot
        }
        if (m_recentBlocks.size() >= keptBlocks)
            m_blocks.remove(m_recentBlocks.takeFirst());
        found = m_blocks.insert(block, lines);
    } else {
        m_recentBlocks.removeOne(block);
    }
    m_recentBlocks << block;
    const int inBlock = line % blockSize;
    return inBlock < found->size() ? &found->at(inBlock) : nullptr;
}

// A block next to one already read is read on from that one's edge, so scrolling costs the same
// at the end of the list as at its start; a jump is counted from the top. A block of another
// length than expected (the records changed meanwhile) is read again by counting.
QList<RecordListRow> RecordListModel::readBlock(int block) const {
    const int expected = std::min(blockSize, m_count - block * blockSize);
    QList<RecordListRow> lines;
    if (const auto before = m_blocks.constFind(block - 1);
        before != m_blocks.cend() && !before->isEmpty())
        lines = m_rows->windowAfter(before->last(), expected);
    else if (const auto after = m_blocks.constFind(block + 1);
             after != m_blocks.cend() && !after->isEmpty())
        lines = m_rows->windowBefore(after->first(), expected);
    if (lines.size() != expected)
        lines = m_rows->window(block * blockSize, blockSize);
    return lines;
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::TextAlignmentRole)
        return index.column() == Income || index.column() == SheetNumber
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    const RecordListRow* line = lineAt(index.row());
    if (!line)
        return {};
    switch (index.column()) {
    case SheetNumber:
        return line->sheetNumber;
    case Type:
        return typeName(line->type);
    case Surname:
        return line->surname;
    case OtherNames:
        return line->firstName;
    case Identity:
        return line->identity;
    case Income:
        return line->income ? groupDigits(*line->income) : QStringLiteral("?");
    }
    return {};
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titles[ColumnCount] = {
        QT_TR_NOOP("Sheet"),           QT_TR_NOOP("Type"),
        QT_TR_NOOP("Surname"),         QT_TR_NOOP("Other names"),
        QT_TR_NOOP("Identity number"), QT_TR_NOOP("Total income")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}

qint64 RecordListModel::rowIdAt(int line) const {
    const RecordListRow* found = lineAt(line);
    return found ? found->rowId : -1;
}

int RecordListModel::lineOf(qint64 rowId, int placeHint) const {
    if (rowId < 0 || !m_rows)
        return -1;
    // Under a filter the record set's place says nothing, and reading there would cost a count.
    const bool sameOrder = m_filter.text.trimmed().isEmpty() && m_filter.type.isEmpty();
    if (sameOrder && placeHint >= 0 && rowIdAt(placeHint) == rowId)
        return placeHint;
    for (auto block = m_blocks.cbegin(); block != m_blocks.cend(); ++block)
        for (int i = 0; i < block->size(); ++i)
            if (block->at(i).rowId == rowId)
                return block.key() * blockSize + i;
    try {
        return m_rows->placeOf(rowId);
    } catch (const EngineError&) {
        return -1;
    }
}
