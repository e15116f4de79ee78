#pragma once

#include "core/reports/page.h"

#include <QStringList>
#include <span>

// Draws the parts that every form is made of onto a page: headings, rows of labelled boxes and
// ruled tables, working down the page from a cursor.
namespace report {

inline constexpr double labelPoints = 6.0;
inline constexpr double valuePoints = 8.5;

struct Cell {
    double width;
    QString label; // small caption at the top of the box; may be empty
    QString value;
    Align align = Align::Left;
};

struct TableColumn {
    double width;
    Align align = Align::Left;
};

class PageBuilder {
public:
    explicit PageBuilder(double margin = 12.0);

    double top() const { return m_y; }
    double width() const { return m_page.size.width() - 2 * m_margin; }
    void skip(double height) { m_y += height; }

    // A line of text across the page.
    void line(const QString& text, double height, double points, bool bold = false,
              Align align = Align::Left);
    // A section heading: bold words on a ruled line.
    void heading(const QString& text);
    // Boxes side by side, each with its caption and value; widths are in millimetres.
    void boxRow(std::span<const Cell> cells, double height = 8.0);
    // One row of a ruled table; a bold row is a header or a total.
    void tableRow(std::span<const TableColumn> columns, const QStringList& cells,
                  double height = 5.0, bool bold = false);

    Page take() { return std::move(m_page); }

private:
    Page m_page;
    double m_margin;
    double m_y;
};

} // namespace report
