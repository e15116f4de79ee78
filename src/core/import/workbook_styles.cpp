#include "core/import/workbook_styles.h"

namespace {

bool builtInDate(std::size_t id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

} // namespace

bool numberFormatShowsDate(std::size_t identifier, std::string_view code) {
    if (code.empty())
        return builtInDate(identifier);
    bool quoted = false;
    bool bracketed = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '[')
            bracketed = true;
        else if (!quoted && c == ']')
            bracketed = false;
        else if (!quoted && c == '\\')
            ++i;
        else if (!quoted && !bracketed &&
                 std::string_view("dDmMyY").find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

std::size_t WorkbookStyles::commit_number_format() {
    m_formatShowsDate.insert(m_formatId, numberFormatShowsDate(m_formatId, m_formatCode));
    m_formatId = 0;
    m_formatCode.clear();
    return m_numberFormats++;
}

std::size_t WorkbookStyles::commit_cell_xf() {
    const auto found = m_formatShowsDate.constFind(m_cellFormat);
    m_cellFormatShowsDate << (found != m_formatShowsDate.cend() ? *found
                                                                : builtInDate(m_cellFormat));
    m_cellFormat = 0;
    return static_cast<std::size_t>(m_cellFormatShowsDate.size() - 1);
}

std::size_t WorkbookStyles::takeFormat(std::size_t& count) {
    m_cellFormat = 0;
    return count++;
}

bool WorkbookStyles::showsDate(std::size_t cellFormat) const {
    return cellFormat < static_cast<std::size_t>(m_cellFormatShowsDate.size()) &&
           m_cellFormatShowsDate.at(static_cast<qsizetype>(cellFormat));
}
