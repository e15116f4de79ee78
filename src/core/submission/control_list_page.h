#pragma once

#include "core/reports/page.h"
#include "core/submission/log_record.h"

#include <QList>
#include <QVariant>
#include <array>

// The pages of the control list that a clerk checks and signs before the medium goes out: the
// employer, the log row as saved on the medium, then one line per record in sheet-number order
// with a running count and each page's total; after the records, a page with the total of each
// income category, their sum and the records' grand total set against the log's total income,
// and the signatory's declaration.
namespace controllist {

inline constexpr int linesPerPage = 32;

struct Heading {
    QString employerName;
    QString fileNumber; // as written whole: 6A1-00000123
    QString returnYear;
    QString submissionDate; // DD/MM/YYYY
    QString designation;
    LogRecord log;
};

struct Line {
    qint64 count = 0; // the running count, from 1
    QString sheetNumber;
    QString identity; // see identityOf
    QString names;
    QString chineseName;
    qint64 income = 0;
};

// What the whole list adds up to, for its last page.
struct GrandTotal {
    qint64 records = 0;
    qint64 income = 0;
    std::array<qint64, 12> categories{}; // a to l
};

// The identity card number with its check character; for an employee who has none, the passport
// number marked as one, so the line still names a document the authority can trace.
QString identityOf(const QString& number, const QString& checkCharacter, const QString& passport);

// Both rows hold one value per column in the column table's order.
Heading headingOf(const QList<QVariant>& employer, const LogRecord& log);
Line lineOf(const QList<QVariant>& employee, qint64 count);

// Pages for a number of records, the totals' page included; a list without records still has
// one page of records.
int pageCountFor(qint64 records);

// The page from 0: the records' pages, then the totals' page, which takes no lines. Every caption
// is printed in English and in Chinese, the language the user reads first above the other.
report::Page page(const Heading& heading, const QList<Line>& lines, int index, int pageCount,
                  const GrandTotal& grandTotal,
                  report::LabelOrder order = report::LabelOrder::EnglishFirst);

} // namespace controllist
