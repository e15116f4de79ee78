#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

// A printed report as data: pages of texts, ruled boxes and lines, measured in millimetres from
// the top-left corner of the paper. The same pages go to a printer, into a PDF file and onto the
// preview's screen image, so what the user previews is what comes out.
namespace report {

inline constexpr double a4Width = 210.0;
inline constexpr double a4Height = 297.0;

enum class Align { Left, Right, Centre };

// Which language a bilingual report prints first, with the other beneath it.
enum class LabelOrder { EnglishFirst, ChineseFirst };

struct Text {
    QRectF box;
    QString text; // a line break starts a new line inside the box
    double points = 8.5;
    bool bold = false;
    Align align = Align::Left;
};

struct Page {
    QSizeF size{a4Width, a4Height};
    QList<Text> texts;
    QList<QRectF> boxes; // ruled boxes
    QList<QLineF> rules;
};

// Any report: a number of pages, each made when it is asked for, so that a report of thousands
// of pages costs nothing until its pages are drawn.
class Report {
public:
    virtual ~Report() = default;
    virtual int pageCount() const = 0;
    // Page from 0 to pageCount() - 1.
    virtual Page page(int index) const = 0;
};

// Pages counted from 0, first to last inclusive.
struct PageRange {
    int first = 0;
    int last = -1;
    int count() const { return last >= first ? last - first + 1 : 0; }
    static PageRange all(const Report& report) { return {0, report.pageCount() - 1}; }
};

} // namespace report
