#include "gui/reports/page_painter.h"

#include "core/reports/text_runs.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace report {

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double smallestPoints = 3.0;

struct Fonts {
    QFont latin;
    QFont chinese;
};

QFont fontOf(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    // A glyph missing from one font must not be drawn from another behind our back: that is how
    // digits end up in the Chinese font. Without shaping there are no ligatures either, so
    // "fi" is copied out of a PDF as two letters.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    return font;
}

Fonts fontsOf(double points, bool bold) {
    return {fontOf(latinFamily(), points, bold), fontOf(chineseFamily(), points, bold)};
}

double runWidth(const QList<TextRun>& runs, const Fonts& fonts, QPaintDevice* device) {
    const QFontMetricsF latin(fonts.latin, device);
    const QFontMetricsF chinese(fonts.chinese, device);
    double width = 0;
    for (const TextRun& run : runs)
        width += (run.chinese ? chinese : latin).horizontalAdvance(run.text);
    return width;
}

// The size at which every line fits the box, never larger than asked.
double fittingPoints(const Text& text, const QList<QList<TextRun>>& lines, QRectF box,
                     QPaintDevice* device) {
    const Fonts fonts = fontsOf(text.points, text.bold);
    double widest = 0;
    for (const QList<TextRun>& runs : lines)
        widest = std::max(widest, runWidth(runs, fonts, device));
    const double height = QFontMetricsF(fonts.latin, device).height() * lines.size();
    double factor = 1.0;
    if (widest > box.width())
        factor = box.width() / widest;
    if (height > box.height())
        factor = std::min(factor, box.height() / height);
    return std::max(smallestPoints, text.points * factor);
}

void drawRuns(QPainter& painter, const QList<TextRun>& runs, const Fonts& fonts, QPointF at) {
    for (const TextRun& run : runs) {
        const QFont& font = run.chinese ? fonts.chinese : fonts.latin;
        painter.setFont(font);
        painter.drawText(at, run.text);
        at.rx() += QFontMetricsF(font, painter.device()).horizontalAdvance(run.text);
    }
}

void drawText(QPainter& painter, const Text& text, double unit) {
    if (text.text.trimmed().isEmpty())
        return;
    const QRectF box(text.box.topLeft() * unit, text.box.size() * unit);
    QList<QList<TextRun>> lines;
    for (const QString& line : text.text.split(u'\n'))
        lines << scriptRuns(line);
    QPaintDevice* device = painter.device();
    const Fonts fonts = fontsOf(fittingPoints(text, lines, box, device), text.bold);
    const QFontMetricsF metrics(fonts.latin, device);
    double baseline =
        box.top() + (box.height() - metrics.height() * lines.size()) / 2 + metrics.ascent();
    for (const QList<TextRun>& runs : lines) {
        const double width = runWidth(runs, fonts, device);
        double x = box.left();
        if (text.align == Align::Right)
            x = box.right() - width;
        else if (text.align == Align::Centre)
            x = box.left() + (box.width() - width) / 2;
        drawRuns(painter, runs, fonts, QPointF(x, baseline));
        baseline += metrics.height();
    }
}

} // namespace

QString latinFamily() {
    return QStringLiteral("DejaVu Sans");
}

// The Noto font maps its ideographs and the look-alike radicals to one glyph, and a PDF then
// reads "大" back as the radical "⼤"; WenQuanYi Zen Hei keeps them apart.
QString chineseFamily() {
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("WenQuanYi Zen Hei"))
                                      ? QStringLiteral("WenQuanYi Zen Hei")
                                      : QStringLiteral("Noto Sans CJK TC");
    return family;
}

void paintPage(QPainter& painter, const Page& page) {
    const double unit = painter.device()->logicalDpiX() / millimetresPerInch;
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(0.25 * unit);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& box : page.boxes)
        painter.drawRect(QRectF(box.topLeft() * unit, box.size() * unit));
    for (const QLineF& rule : page.rules)
        painter.drawLine(QLineF(rule.p1() * unit, rule.p2() * unit));
    for (const Text& text : page.texts)
        drawText(painter, text, unit);
    painter.restore();
}

QImage pageImage(const Page& page, double pixelsPerMillimetre) {
    const QSize size = (page.size * pixelsPerMillimetre).toSize();
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(pixelsPerMillimetre * 1000));
    image.setDotsPerMeterY(qRound(pixelsPerMillimetre * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPage(painter, page);
    return image;
}

} // namespace report
