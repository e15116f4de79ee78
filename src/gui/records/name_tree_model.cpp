#include "gui/records/name_tree_model.h"

namespace {

// A letter's index carries no id; a name's carries its letter plus one.
constexpr quintptr letterId = 0;

} // namespace

void NameTreeModel::setNames(const NameList& list) {
    beginResetModel();
    for (QList<Name>& names : m_names)
        names.clear();
    int letter = -1;
    for (const NameListEntry& entry : list.entries) {
        if (entry.level == 1)
            ++letter;
        else if (letter >= 0)
            m_names[letter].append(
                {entry.text, entry.names.rowId, qint32(entry.names.surname.toString().size())});
    }
    for (QList<Name>& names : m_names)
        names.squeeze();
    endResetModel();
}

NameEntry NameTreeModel::namesOf(const Name& name) {
    return {name.text.left(name.surnameLength), name.text.mid(name.surnameLength + 2), name.rowId};
}

int NameTreeModel::placeUnder(int letter, const NameEntry& names) const {
    const QList<Name>& listed = m_names[letter];
    return sortedPlace(int(listed.size()), names,
                       [&listed](int place) { return namesOf(listed[place]); });
}

void NameTreeModel::insertName(const NameEntry& names) {
    const std::optional<int> letter = listedUnder(names);
    if (!letter)
        return;
    const int place = placeUnder(*letter, names);
    beginInsertRows(letterIndex(*letter), place, place);
    m_names[*letter].insert(
        place, {nameEntryText(names), names.rowId, qint32(names.surname.toString().size())});
    endInsertRows();
}

// The record's own entry goes: another record's entry with the same text is never taken.
void NameTreeModel::removeName(const NameEntry& names) {
    const std::optional<int> letter = listedUnder(names);
    if (!letter)
        return;
    const int place = placeUnder(*letter, names);
    const QList<Name>& listed = m_names[*letter];
    if (place >= listed.size() || compareNames(namesOf(listed[place]), names) != 0)
        return;
    beginRemoveRows(letterIndex(*letter), place, place);
    m_names[*letter].removeAt(place);
    endRemoveRows();
}

QModelIndex NameTreeModel::firstMatch(const QString& text) const {
    const QString typed = text.trimmed();
    const QChar initial = typed.isEmpty() ? QChar() : typed.at(0).toUpper();
    if (initial < u'A' || initial > u'Z')
        return {};
    const int letter = initial.unicode() - u'A';
    const QList<Name>& listed = m_names[letter];
    for (qsizetype i = 0; i < listed.size(); ++i)
        if (listed[i].text.startsWith(typed, Qt::CaseInsensitive))
            return index(int(i), 0, letterIndex(letter));
    return letterIndex(letter);
}

QModelIndex NameTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < 26 ? createIndex(row, 0, letterId) : QModelIndex();
    if (isName(parent) || row >= m_names[parent.row()].size())
        return {};
    return createIndex(row, 0, quintptr(parent.row() + 1));
}

QModelIndex NameTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == letterId)
        return {};
    return createIndex(int(child.internalId() - 1), 0, letterId);
}

int NameTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return 26;
    return isName(parent) ? 0 : int(m_names[parent.row()].size());
}

int NameTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant NameTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    if (!isName(index))
        return QString(QChar(u'A' + index.row()));
    return m_names[index.internalId() - 1][index.row()].text;
}
