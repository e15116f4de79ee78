#include "core/reports/page_builder.h"

#include "core/platform/language.h"

#include <algorithm>

namespace report {

LabelOrder chosenLabelOrder() {
    return language::current() == language::Language::Chinese ? LabelOrder::ChineseFirst
                                                              : LabelOrder::EnglishFirst;
}

namespace {
constexpr double padding = 1.0;
// A line of text takes this many millimetres for each point of its size.
constexpr double millimetresPerPoint = 0.41;
// The two lines of a bilingual label in a box: the first at the label's size, the second smaller.
constexpr double firstLabelHeight = 2.45;
constexpr double secondLabelHeight = 2.05;
// The share of a table cell's height that the first line of a bilingual caption takes.
constexpr double firstLineShare = 0.55;

double pointsFor(double height, double largest) {
    return std::min(largest, height / millimetresPerPoint);
}
} // namespace

PageBuilder::PageBuilder(double margin, LabelOrder order)
    : m_margin(margin)
    , m_y(margin)
    , m_order(order) {}

QString PageBuilder::firstOf(const Caption& caption) const {
    return m_order == LabelOrder::ChineseFirst && caption.bilingual() ? caption.chinese
                                                                      : caption.english;
}

QString PageBuilder::secondOf(const Caption& caption) const {
    if (!caption.bilingual())
        return QString();
    return m_order == LabelOrder::ChineseFirst ? caption.english : caption.chinese;
}

void PageBuilder::line(const QString& text, double height, double points, bool bold, Align align) {
    m_page.texts.append({QRectF(m_margin, m_y, width(), height), text, points, bold, align});
    m_y += height;
}

void PageBuilder::captionLines(const Caption& caption, double height, double points,
                               double secondHeight, double secondPoints, bool bold, Align align) {
    line(firstOf(caption), height, points, bold, align);
    if (caption.bilingual())
        line(secondOf(caption), secondHeight, secondPoints, bold, align);
}

void PageBuilder::heading(const Caption& text) {
    m_y += text.bilingual() ? 0.5 : 1.0;
    const QRectF box(m_margin, m_y, width(), 5.0);
    m_page.texts.append({box, firstOf(text), 9.0, true, Align::Left});
    if (text.bilingual())
        m_page.texts.append({box, secondOf(text), 9.0, true, Align::Right});
    m_y += box.height();
    m_page.rules.append(QLineF(m_margin, m_y, m_margin + width(), m_y));
    m_y += 0.5;
}

void PageBuilder::captionBeneath(QList<Text>& later, const Caption& caption, QRectF box,
                                 double points, bool bold, Align align) const {
    if (caption.bilingual())
        later.append({box, secondOf(caption), points, bold, align});
}

void PageBuilder::boxRow(std::span<const Cell> cells, double height) {
    double x = m_margin;
    QList<Text> later;
    for (const Cell& cell : cells) {
        const QRectF box(x, m_y, cell.width, height);
        m_page.boxes.append(box);
        const bool twoLines = cell.label.bilingual();
        const QRectF inner =
            box.adjusted(padding, twoLines ? 0.2 : 0.3, -padding, twoLines ? -0.1 : -0.3);
        const double labelHeight = twoLines ? firstLabelHeight : 2.8;
        const QString first = firstOf(cell.label);
        if (!first.isEmpty())
            m_page.texts.append({QRectF(inner.left(), inner.top(), inner.width(), labelHeight),
                                 first, labelPoints, false, Align::Left});
        captionBeneath(
            later, cell.label,
            QRectF(inner.left(), inner.top() + labelHeight, inner.width(), secondLabelHeight),
            secondLabelPoints, false, Align::Left);
        double valueTop = inner.top();
        if (!first.isEmpty())
            valueTop += labelHeight + (twoLines ? secondLabelHeight : 0.0);
        m_page.texts.append(
            {QRectF(inner.left(), valueTop, inner.width(), inner.bottom() - valueTop), cell.value,
             valuePoints, false, cell.align});
        x += cell.width;
    }
    m_page.texts.append(later);
    m_y += height;
}

void PageBuilder::tableRow(std::span<const TableColumn> columns, const QList<Caption>& cells,
                           double height, bool bold) {
    double x = m_margin;
    QList<Text> later;
    for (qsizetype i = 0; i < qsizetype(columns.size()); ++i) {
        const QRectF box(x, m_y, columns[i].width, height);
        m_page.boxes.append(box);
        const Caption cell = cells.value(i);
        const QRectF inner = box.adjusted(padding, 0, -padding, 0);
        if (cell.bilingual()) {
            const double firstHeight = inner.height() * firstLineShare;
            const QRectF top(inner.left(), inner.top(), inner.width(), firstHeight);
            const QRectF bottom(inner.left(), top.bottom(), inner.width(),
                                inner.height() - firstHeight);
            m_page.texts.append(
                {top, firstOf(cell), pointsFor(top.height(), valuePoints), bold, columns[i].align});
            captionBeneath(later, cell, bottom, pointsFor(bottom.height(), labelPoints), bold,
                           columns[i].align);
        } else {
            m_page.texts.append({inner, cell.english, valuePoints, bold, columns[i].align});
        }
        x += columns[i].width;
    }
    m_page.texts.append(later);
    m_y += height;
}

void PageBuilder::tableRow(std::span<const TableColumn> columns, const QStringList& cells,
                           double height, bool bold) {
    tableRow(columns, QList<Caption>(cells.begin(), cells.end()), height, bold);
}

} // namespace report
