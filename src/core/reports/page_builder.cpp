#include "core/reports/page_builder.h"

namespace report {

namespace {
constexpr double padding = 1.0;
} // namespace

PageBuilder::PageBuilder(double margin)
    : m_margin(margin)
    , m_y(margin) {}

void PageBuilder::line(const QString& text, double height, double points, bool bold, Align align) {
    m_page.texts.append({QRectF(m_margin, m_y, width(), height), text, points, bold, align});
    m_y += height;
}

void PageBuilder::heading(const QString& text) {
    m_y += 1.0;
    line(text, 5.0, 9.0, true);
    m_page.rules.append(QLineF(m_margin, m_y, m_margin + width(), m_y));
    m_y += 0.5;
}

void PageBuilder::boxRow(std::span<const Cell> cells, double height) {
    double x = m_margin;
    const double labelHeight = 2.8;
    for (const Cell& cell : cells) {
        const QRectF box(x, m_y, cell.width, height);
        m_page.boxes.append(box);
        const QRectF inner = box.adjusted(padding, 0.3, -padding, -0.3);
        if (!cell.label.isEmpty())
            m_page.texts.append({QRectF(inner.left(), inner.top(), inner.width(), labelHeight),
                                 cell.label, labelPoints, false, Align::Left});
        const double valueTop = cell.label.isEmpty() ? inner.top() : inner.top() + labelHeight;
        m_page.texts.append(
            {QRectF(inner.left(), valueTop, inner.width(), inner.bottom() - valueTop), cell.value,
             valuePoints, false, cell.align});
        x += cell.width;
    }
    m_y += height;
}

void PageBuilder::tableRow(std::span<const TableColumn> columns, const QStringList& cells,
                           double height, bool bold) {
    double x = m_margin;
    for (qsizetype i = 0; i < qsizetype(columns.size()); ++i) {
        const QRectF box(x, m_y, columns[i].width, height);
        m_page.boxes.append(box);
        m_page.texts.append({box.adjusted(padding, 0, -padding, 0), cells.value(i), valuePoints,
                             bold, columns[i].align});
        x += columns[i].width;
    }
    m_y += height;
}

} // namespace report
