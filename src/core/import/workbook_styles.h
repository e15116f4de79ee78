#pragma once

#include <orcus/spreadsheet/import_interface.hpp>

#include <QHash>
#include <QList>
#include <string>

// Of a workbook's styles only the number formats matter here: a number cell whose format shows
// a date is a date to the user, and is read as one.
class WorkbookStyles : public orcus::spreadsheet::iface::import_styles {
public:
    // Whether the cell format of this index shows its number as a date.
    bool showsDate(std::size_t cellFormat) const;

    void set_number_format_count(std::size_t) override {}
    void set_number_format_identifier(std::size_t id) override { m_formatId = id; }
    void set_number_format_code(std::string_view code) override { m_formatCode = code; }
    std::size_t commit_number_format() override;
    void set_xf_number_format(std::size_t index) override { m_cellFormat = index; }
    std::size_t commit_cell_xf() override;

    // Everything else a workbook says of its looks is passed over.
    void set_font_count(std::size_t) override {}
    void set_font_bold(bool) override {}
    void set_font_italic(bool) override {}
    void set_font_name(std::string_view) override {}
    void set_font_size(double) override {}
    void set_font_underline(orcus::spreadsheet::underline_t) override {}
    void set_font_underline_width(orcus::spreadsheet::underline_width_t) override {}
    void set_font_underline_mode(orcus::spreadsheet::underline_mode_t) override {}
    void set_font_underline_type(orcus::spreadsheet::underline_type_t) override {}
    void set_font_underline_color(orcus::spreadsheet::color_elem_t,
                                  orcus::spreadsheet::color_elem_t,
                                  orcus::spreadsheet::color_elem_t,
                                  orcus::spreadsheet::color_elem_t) override {}
    void set_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                        orcus::spreadsheet::color_elem_t,
                        orcus::spreadsheet::color_elem_t) override {}
    void set_strikethrough_style(orcus::spreadsheet::strikethrough_style_t) override {}
    void set_strikethrough_type(orcus::spreadsheet::strikethrough_type_t) override {}
    void set_strikethrough_width(orcus::spreadsheet::strikethrough_width_t) override {}
    void set_strikethrough_text(orcus::spreadsheet::strikethrough_text_t) override {}
    std::size_t commit_font() override { return m_fonts++; }
    void set_fill_count(std::size_t) override {}
    void set_fill_pattern_type(orcus::spreadsheet::fill_pattern_t) override {}
    void set_fill_fg_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                           orcus::spreadsheet::color_elem_t,
                           orcus::spreadsheet::color_elem_t) override {}
    void set_fill_bg_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                           orcus::spreadsheet::color_elem_t,
                           orcus::spreadsheet::color_elem_t) override {}
    std::size_t commit_fill() override { return m_fills++; }
    void set_border_count(std::size_t) override {}
    void set_border_style(orcus::spreadsheet::border_direction_t,
                          orcus::spreadsheet::border_style_t) override {}
    void set_border_color(orcus::spreadsheet::border_direction_t, orcus::spreadsheet::color_elem_t,
                          orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                          orcus::spreadsheet::color_elem_t) override {}
    void set_border_width(orcus::spreadsheet::border_direction_t, double,
                          orcus::length_unit_t) override {}
    std::size_t commit_border() override { return m_borders++; }
    void set_cell_hidden(bool) override {}
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    std::size_t commit_cell_protection() override { return m_protections++; }
    void set_cell_xf_count(std::size_t) override {}
    void set_cell_style_xf_count(std::size_t) override {}
    void set_dxf_count(std::size_t) override {}
    void set_xf_font(std::size_t) override {}
    void set_xf_fill(std::size_t) override {}
    void set_xf_border(std::size_t) override {}
    void set_xf_protection(std::size_t) override {}
    void set_xf_style_xf(std::size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(orcus::spreadsheet::hor_alignment_t) override {}
    void set_xf_vertical_alignment(orcus::spreadsheet::ver_alignment_t) override {}
    std::size_t commit_cell_style_xf() override { return takeFormat(m_styleFormats); }
    std::size_t commit_dxf() override { return takeFormat(m_differentialFormats); }
    void set_cell_style_count(std::size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(std::size_t) override {}
    void set_cell_style_builtin(std::size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    std::size_t commit_cell_style() override { return m_cellStyles++; }

private:
    std::size_t takeFormat(std::size_t& count);

    std::size_t m_formatId = 0;
    std::string m_formatCode;
    std::size_t m_cellFormat = 0;
    QHash<std::size_t, bool> m_formatShowsDate; // by number format identifier
    QList<bool> m_cellFormatShowsDate;          // by cell format index
    std::size_t m_numberFormats = 0;
    std::size_t m_fonts = 0, m_fills = 0, m_borders = 0, m_protections = 0, m_cellStyles = 0;
    std::size_t m_styleFormats = 0, m_differentialFormats = 0;
};

// Whether a number format shows a date: a built-in date format, or a code with day, month or
// year in it outside quoted text and brackets.
bool numberFormatShowsDate(std::size_t identifier, std::string_view code);
