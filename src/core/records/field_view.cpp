#include "core/records/field_view.h"

#include "core/common/columns.h"

#include <array>
#include <unordered_map>

namespace {

const QString& noText() {
    static const QString none;
    return none;
}

// Names are compared exactly, as the keys of the editor's texts are.
qsizetype placeByName(QAnyStringView column) {
    const Columns columns = employeeColumns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (QAnyStringView::compare(QLatin1StringView(columns[i].name), column) == 0)
            return static_cast<qsizetype>(i);
    return -1;
}

} // namespace

const QString& sharedText(const char* literal) {
    // Values of an unordered map stay where they are as it grows, so the references hold.
    thread_local std::unordered_map<const char*, QString> texts;
    auto found = texts.find(literal);
    if (found == texts.end())
        found = texts.emplace(literal, QLatin1String(literal)).first;
    return found->second;
}

RecordRow::RecordRow()
    : m_texts(static_cast<qsizetype>(employeeColumns().size())) {}

qsizetype RecordRow::place(const char* column) {
    // The rules name their columns by literals, so a place is found once for each and kept by
    // the literal's address. The check asks some two hundred times a record: a small table in
    // front of the map answers most of them without hashing.
    struct Known {
        const char* column = nullptr;
        qsizetype place = -1;
    };
    thread_local std::array<Known, 256> recent;
    thread_local std::unordered_map<const char*, qsizetype> places;
    Known& slot = recent[(reinterpret_cast<quintptr>(column) >> 2) % recent.size()];
    if (slot.column == column)
        return slot.place;
    auto found = places.find(column);
    if (found == places.end())
        found = places.emplace(column, placeByName(QLatin1StringView(column))).first;
    slot = Known{column, found->second};
    return found->second;
}

qsizetype RecordRow::place(const QString& column) {
    return placeByName(column);
}

const QString& FieldView::text(const char* column) const {
    if (m_row) {
        const qsizetype at = RecordRow::place(column);
        return at < 0 ? noText() : m_row->text(at);
    }
    const auto found = m_texts->constFind(columnKey(column));
    return found == m_texts->constEnd() ? noText() : *found;
}

const QString& FieldView::text(const QString& column) const {
    if (m_row) {
        const qsizetype at = RecordRow::place(column);
        return at < 0 ? noText() : m_row->text(at);
    }
    const auto found = m_texts->constFind(column);
    return found == m_texts->constEnd() ? noText() : *found;
}
