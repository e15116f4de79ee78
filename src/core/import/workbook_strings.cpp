#include "core/import/workbook_strings.h"

QByteArray SharedStrings::text(quint32 index) const {
    if (index >= static_cast<quint32>(m_ends.size()))
        return {};
    const qsizetype from = index == 0 ? 0 : m_ends.at(index - 1);
    return m_texts.mid(from, m_ends.at(index) - from);
}

void SharedStrings::keepFirst(int count) {
    if (count >= m_ends.size())
        return;
    m_ends.resize(count);
    m_texts.resize(count == 0 ? 0 : m_ends.last());
    m_indexOf.removeIf([count](const auto& item) { return item.value() >= std::size_t(count); });
}

void SharedStrings::squeeze() {
    m_texts.squeeze();
    m_ends.squeeze();
    m_indexOf.squeeze();
}

std::size_t SharedStrings::append(std::string_view s) {
    m_texts.append(s.data(), static_cast<qsizetype>(s.size()));
    m_ends << static_cast<quint32>(m_texts.size());
    return static_cast<std::size_t>(m_ends.size() - 1);
}

std::size_t SharedStrings::add(std::string_view s) {
    const QByteArray text(s.data(), static_cast<qsizetype>(s.size()));
    const auto found = m_indexOf.constFind(text);
    if (found != m_indexOf.cend())
        return *found;
    m_indexOf.insert(text, static_cast<std::size_t>(m_ends.size()));
    return append(s);
}

void SharedStrings::append_segment(std::string_view s) {
    m_pieces.append(s.data(), static_cast<qsizetype>(s.size()));
}

std::size_t SharedStrings::commit_segments() {
    const std::size_t index =
        append(std::string_view(m_pieces.constData(), static_cast<std::size_t>(m_pieces.size())));
    m_pieces.clear();
    return index;
}
