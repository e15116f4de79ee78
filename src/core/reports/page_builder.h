#pragma once

#include "core/reports/page.h"

#include <QStringList>
#include <span>

// Draws the parts that every form is made of onto a page: headings, rows of labelled boxes and
// ruled tables, working down the page from a cursor.
namespace report {

inline constexpr double labelPoints = 6.0;
inline constexpr double valuePoints = 8.5;
// The second language of a caption, beneath the first.
inline constexpr double secondLabelPoints = 5.0;

// The order the program's language asks for: the chosen language's captions first.
LabelOrder chosenLabelOrder();

// A caption in English and, where the report has one, in Chinese. A caption without Chinese is
// printed alone and takes the room it always took; one with Chinese is printed in two lines,
// the language the user reads first above, the other smaller beneath.
struct Caption {
    Caption() = default;
    Caption(QString english, QString chinese = QString())
        : english(std::move(english))
        , chinese(std::move(chinese)) {}
    bool bilingual() const { return !chinese.isEmpty(); }
    Caption arg(const QString& value) const { return {english.arg(value), chinese.arg(value)}; }
    Caption arg(qint64 value) const { return arg(QString::number(value)); }

    QString english;
    QString chinese;
};

struct Cell {
    double width;
    Caption label; // small caption at the top of the box; may be empty
    QString value;
    Align align = Align::Left;
};

struct TableColumn {
    double width;
    Align align = Align::Left;
};

class PageBuilder {
public:
    explicit PageBuilder(double margin = 12.0, LabelOrder order = LabelOrder::EnglishFirst);

    double top() const { return m_y; }
    double width() const { return m_page.size.width() - 2 * m_margin; }
    void skip(double height) { m_y += height; }
    // Starts the page this far from the top of the paper instead of at the margin.
    void startAt(double top) { m_y = top; }

    // The language of a caption printed first, and the one printed beneath it (empty for a
    // caption in English alone).
    QString firstOf(const Caption& caption) const;
    QString secondOf(const Caption& caption) const;

    // A line of text across the page.
    void line(const QString& text, double height, double points, bool bold = false,
              Align align = Align::Left);
    // A caption's two languages as two lines across the page, the second smaller.
    void captionLines(const Caption& caption, double height, double points, double secondHeight,
                      double secondPoints, bool bold = false, Align align = Align::Centre);
    // A section heading: bold words on a ruled line; the second language on the right.
    void heading(const Caption& text);
    // Boxes side by side, each with its caption and value; widths are in millimetres.
    void boxRow(std::span<const Cell> cells, double height = 8.0);
    // One row of a ruled table; a bold row is a header or a total. A bilingual caption takes the
    // two lines of its cell.
    void tableRow(std::span<const TableColumn> columns, const QList<Caption>& cells,
                  double height = 5.0, bool bold = false);
    void tableRow(std::span<const TableColumn> columns, const QStringList& cells,
                  double height = 5.0, bool bold = false);

    Page take() { return std::move(m_page); }

private:
    // The second language of every caption of a row follows the row's own texts, so that each
    // caption is still followed by its value.
    void captionBeneath(QList<Text>& later, const Caption& caption, QRectF box, double points,
                        bool bold, Align align) const;

    Page m_page;
    double m_margin;
    double m_y;
    LabelOrder m_order;
};

} // namespace report
