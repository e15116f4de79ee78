#include "store/import/workbook_export.h"

#include "core/common/engine_errors.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/common/verified_copy.h"
#include "core/import/record_template.h"
#include "core/import/sheet_columns.h"
#include "store/employer/employer_table.h"
#include "store/import/record_transfer.h"
#include "store/import/workbook_check.h"
#include "store/import/workbook_writer.h"

#include <QObject>

namespace {

const QString recordSheet = QStringLiteral("Records");
const QString columnsSheet = QStringLiteral("Columns");

// The entries of the sheets, in the order they are added.
const QString firstSheetEntry = QStringLiteral("xl/worksheets/sheet1.xml");
const QString secondSheetEntry = QStringLiteral("xl/worksheets/sheet2.xml");

// The workbook is written privately under a work name, since it holds identity numbers and
// incomes; it takes its name only when it reads back from the disk with the rows that `fill`
// says it wrote into each sheet.
using SheetRows = QMap<QString, int>;
void writeWorkbook(const QString& path, const std::function<SheetRows(WorkbookWriter&)>& fill) {
    writeThenRename(path, [&](const QString& workPath) {
        if (!files::createPrivateFile(workPath))
            throw fileError(path, QObject::tr("its work file cannot be created."));
        WorkbookWriter writer(workPath);
        const SheetRows expectedRows = fill(writer);
        writer.close();
        verifiedcopy::dropCachedPages(workPath);
        const SheetRows found = workbookcheck::worksheetRows(workPath);
        for (auto expected = expectedRows.begin(); expected != expectedRows.end(); ++expected)
            if (found.value(expected.key(), -1) != expected.value())
                throw fileError(path, QObject::tr("it does not read back with the %1 rows written.")
                                          .arg(expected.value()));
    });
}

} // namespace

bool isWorkbookName(const QString& path) {
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
}

int exportRecordsWorkbook(Database& db, const QString& path) {
    int count = 0;
    writeWorkbook(path, [&](WorkbookWriter& writer) {
        writer.beginRecordSheet(recordSheet);
        count = forEachRecordTexts(
            db, [&writer](const QStringList& texts) { writer.writeRecord(texts); });
        return SheetRows{{firstSheetEntry, count + 1}};
    });
    return count;
}

void exportTemplateWorkbook(Database& db, const QString& path) {
    const QStringList example = templateExampleRow(employertable::readEmployer(db).data.returnYear);
    const QList<QStringList> explanation = explanationRows();
    const QStringList header = explanationHeader();
    const std::vector<WorkbookWriter::PlainColumn> columns{{header.at(0), 40},
                                                           {header.at(1), 16},
                                                           {header.at(2), 9, true},
                                                           {header.at(3), 16},
                                                           {header.at(4), 70}};
    writeWorkbook(path, [&](WorkbookWriter& writer) {
        writer.beginRecordSheet(recordSheet);
        writer.writeRecord(example);
        writer.writePlainSheet(columnsSheet, columns, explanation);
        return SheetRows{{firstSheetEntry, 2},
                         {secondSheetEntry, static_cast<int>(explanation.size()) + 1}};
    });
}

int exportRecordsByName(Database& db, const QString& path) {
    return isWorkbookName(path) ? exportRecordsWorkbook(db, path) : exportRecords(db, path);
}

void exportTemplateByName(Database& db, const QString& path) {
    if (isWorkbookName(path))
        exportTemplateWorkbook(db, path);
    else
        exportTemplate(db, path);
}
