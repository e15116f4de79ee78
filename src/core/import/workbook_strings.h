#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <orcus/spreadsheet/import_interface.hpp>

// A workbook's table of shared strings as the reading library hands it over. The texts are kept
// end to end in one block, so that a workbook of many short texts costs little more than their
// bytes. A text past the table (as an empty inline text is written) is empty.
class SharedStrings : public orcus::spreadsheet::iface::import_shared_strings {
public:
    QByteArray text(quint32 index) const;
    // A cell that is no text ends whatever text pieces were begun for it.
    void dropPieces() { m_pieces.clear(); }
    int count() const { return static_cast<int>(m_ends.size()); }
    // Gives back every text after the first `count`: a part's own texts once its rows are taken.
    // The room they took is kept for the next part's.
    void keepFirst(int count);
    // Gives back the room the table grew into beyond its texts: the workbook's own table is
    // held, as it was read, while every row of the sheet is taken.
    void squeeze();

    std::size_t append(std::string_view s) override;
    std::size_t add(std::string_view s) override;
    void set_segment_font(std::size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                                orcus::spreadsheet::color_elem_t,
                                orcus::spreadsheet::color_elem_t) override {}
    void append_segment(std::string_view s) override;
    std::size_t commit_segments() override;

private:
    QByteArray m_texts;
    QList<quint32> m_ends; // a workbook's part expands to far less than 4 GB
    QHash<QByteArray, std::size_t> m_indexOf;
    QByteArray m_pieces;
};
