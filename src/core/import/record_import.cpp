#include "core/import/record_import.h"

#include "core/common/engine_error.h"
#include "core/import/csv.h"
#include "core/import/record_updates.h"
#include "core/import/sheet_cells.h"
#include "core/records/column_labels.h"
#include "core/records/editor_fields.h"
#include "core/records/record_types.h"
#include "core/validation/problem_codes.h"

#include <QObject>
#include <algorithm>

namespace {

using Kind = ReturnProblem::Kind;
const QLatin1String cannotStoreCode(validation::code::cannotStore);

bool isIgnored(const char* column) {
    return qstrcmp(column, "ID") == 0 || qstrcmp(column, "SheetNo") == 0;
}

const QString& fieldText(const QStringList& fields, const ImportColumns& columns, int column) {
    static const QString none;
    const int at = columns.fieldOfColumn.value(column, -1);
    return at >= 0 && at < fields.size() ? fields.at(at) : none;
}

// The text as the field would hold it once typed and left: the change rule's form (as typed where
// the byte guard would refuse it), then the leave check's when that passes.
QString enteredText(const EditorField& field, const QString& text, const SiblingTexts& siblings) {
    const QString changed = usesByteGuard(field.rule) ? text : applyChange(field, text, text).text;
    const std::optional<fieldrules::LeaveVerdict> verdict =
        leaveCheck(field, changed, changed, siblings);
    return verdict && verdict->ok ? verdict->newText : changed;
}

// A message held for the whole dry run, in exactly its room: the conversion leaves room for
// three bytes a character.
QByteArray heldUtf8(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return QByteArray(utf8.constData(), utf8.size());
}

ImportRow unreadableRow(int row, int line, const QString& message) {
    ImportRow unreadable{
        row, line, packRow(RowValues(static_cast<qsizetype>(employeeColumns().size()))), {}, false,
        0,   {}};
    unreadable.findings << RowFinding{{}, cannotStoreCode, heldUtf8(message), 0, Kind::CannotStore};
    return unreadable;
}

void checkStorage(ImportRow& row, const RowValues& values) {
    const Columns columns = employeeColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        try {
            checkValue(columns[i], values.at(static_cast<qsizetype>(i)));
        } catch (const EngineError& error) {
            const QString name = QLatin1String(columns[i].name);
            const EditorField* field = fieldForColumn(name);
            // The store names the column; the clerk knows the field by its label.
            QString message = error.description();
            message.replace(u'\'' + name + u'\'', u'\'' + columnLabelShown(name) + u'\'');
            row.findings << RowFinding{name, cannotStoreCode, heldUtf8(message),
                                       field ? field->page : 1, Kind::CannotStore};
            row.storable = false;
        }
    }
}

// How each row of a file is read: its header's columns, the whole-return check it goes
// through, and the stored records it may update.
struct RowReading {
    const ImportColumns& columns;
    ReturnCheck& check;
    const QHash<QString, qint64>& knownIdentities;
    const ImportSettings& settings;
};

// A readable row goes through the whole-return check as well; its values are kept packed. A row
// that updates a stored record is checked as that record will be after the update.
ImportRow readRecord(const csv::Record& record, int row, const RowReading& reading) {
    const ImportColumns& columns = reading.columns;
    if (!record.error.isEmpty())
        return unreadableRow(row, record.line,
                             QObject::tr("The line cannot be read: %1.").arg(record.error));
    if (record.fields.size() > columns.columnOfField.size())
        return unreadableRow(row, record.line,
                             QObject::tr("The row has %1 fields; the header names %2.")
                                 .arg(record.fields.size())
                                 .arg(columns.columnOfField.size()));
    RowValues values = rowFromFields(record.fields, columns);
    ImportRow read{row, record.line, {}, {}, true, 0, {}};
    matchStoredRecord(read, values, record.fields, columns, reading.knownIdentities,
                      reading.settings);
    read.values = packRow(values);
    checkStorage(read, values);
    const QList<ReturnProblem> problems = reading.check.checkRecord(row, recordTexts(values));
    read.findings.reserve(read.findings.size() + problems.size());
    for (const ReturnProblem& problem : problems)
        read.addProblem(problem);
    return read;
}

// The columns of the header: by the mapping made for it, when there is one.
ImportColumns headerColumns(const QStringList& header, const ImportSettings& settings,
                            ImportPlan& plan) {
    plan.header = header;
    const std::optional<ColumnMapping> mapping = mappingFor(settings.mappings, header);
    plan.mapped = mapping.has_value();
    return mapping ? mappedColumns(*mapping) : matchHeader(header);
}

EngineError noHeader() {
    return EngineError(engine::InvalidArgument,
                       QObject::tr("The file has no header row of column names."));
}

QString problemLine(const ImportRow& row, const ReturnProblem& problem) {
    QString where = QObject::tr("Row %1 (line %2)").arg(row.row).arg(row.line);
    if (!problem.surname.isEmpty() || !problem.firstName.isEmpty())
        where += QStringLiteral(" %1, %2").arg(problem.surname, problem.firstName);
    if (!problem.column.isEmpty())
        where += QObject::tr(", page %1, \"%2\"")
                     .arg(problem.page)
                     .arg(columnLabelShown(problem.column));
    return where + QStringLiteral(": ") + problem.message;
}

} // namespace

ImportColumns matchHeader(const QStringList& header) {
    ColumnMapping byName{header, {}};
    for (const QString& name : header)
        byName.columnOfField << columnForHeader(name);
    return mappedColumns(byName);
}

ImportColumns mappedColumns(const ColumnMapping& mapping) {
    ImportColumns matched;
    const Columns columns = employeeColumns();
    for (qsizetype i = 0; i < mapping.header.size(); ++i) {
        const int column = mapping.columnOfField.value(i, -1);
        matched.columnOfField << (column >= 0 && !isIgnored(columns[column].name) ? column : -1);
        if (column < 0)
            matched.unknown << mapping.header.at(i);
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int field = static_cast<int>(matched.columnOfField.indexOf(static_cast<int>(i)));
        matched.fieldOfColumn << field;
        if (!isIgnored(columns[i].name) && field < 0)
            matched.missing << columnLabelShown(QLatin1String(columns[i].name));
    }
    return matched;
}

RowValues rowFromFields(const QStringList& fields, const ImportColumns& columns) {
    const Columns all = employeeColumns();
    FieldTexts texts;
    texts.reserve(static_cast<qsizetype>(all.size()));
    for (std::size_t i = 0; i < all.size(); ++i)
        texts.insert(columnKey(all[i].name),
                     csv::unprotectedCell(fieldText(fields, columns, static_cast<int>(i))));
    SiblingTexts siblings;
    for (const EditorField& field : editorFields())
        if (field.rule == RuleKind::DatePart)
            siblings.dateParts[static_cast<std::size_t>(field.element)] =
                texts[columnKey(field.column)];
        else if (field.rule == RuleKind::IncomeAmount)
            siblings.amounts << texts[columnKey(field.column)];
    for (const EditorField& field : editorFields()) {
        QString& text = texts[columnKey(field.column)];
        if (field.page > 0)
            text = enteredText(field, text, siblings);
    }
    const QString status = texts[QStringLiteral("Status")].trimmed().toUpper();
    texts[QStringLiteral("Status")] =
        status.isEmpty() ? recordtype::code(recordtype::original) : status;
    RowValues row(static_cast<qsizetype>(all.size()));
    for (std::size_t i = 0; i < all.size(); ++i)
        if (!isIgnored(all[i].name))
            row[static_cast<qsizetype>(i)] = valueFromText(all[i], texts[columnKey(all[i].name)]);
    return row;
}

std::optional<QString> importSizeRefusal(const QString& fileName, qint64 bytes) {
    if (bytes <= largestImportBytes)
        return std::nullopt;
    return QObject::tr("The file '%1' is larger than %2 MB, the most one import reads. Split it "
                       "into smaller files and import them one after the other.")
        .arg(fileName)
        .arg(largestImportBytes / (1024 * 1024));
}

static EngineError tooManyRows() {
    return EngineError(engine::InvalidArgument,
                       QObject::tr("The file has more than %1 rows, the most one import "
                                   "takes. Split it into smaller files and import them one "
                                   "after the other.")
                           .arg(mostImportRows));
}

ImportPlan planImport(QString text, const EmployerData& employer,
                      const QHash<QString, qint64>& knownIdentities,
                      const ImportSettings& settings) {
    // The header row comes first and is no data row.
    const qsizetype count = csv::countRecords(text, mostImportRows + 1);
    if (count > mostImportRows + 1)
        throw tooManyRows();
    const auto records = [&text, count](const csv::TakeRecord& take,
                                        const csv::ExpectRecords& expect) {
        expect(count);
        csv::forEachRecord(text, take);
        text = QString(); // the rows hold all that is needed of it now
    };
    return planImportRows(records, employer, knownIdentities, settings);
}

ImportPlan planImportRows(const ImportRows& rows, const EmployerData& employer,
                          const QHash<QString, qint64>& knownIdentities,
                          const ImportSettings& settings) {
    ImportPlan plan;
    std::optional<ImportColumns> columns;
    ReturnCheck check(employer, QObject::tr("row %1"));
    // A row that carries a stored original's identity number updates that record when stored
    // records can be read; otherwise it would be a second record with the number.
    for (auto it = knownIdentities.cbegin(); it != knownIdentities.cend(); ++it)
        if (!settings.storedRecord || settings.sharedIdentities.contains(it.key()))
            check.addKnownIdentity(it.key(), it.value());
    // Most of a large file's rows are originals, each with an identity number the check keeps.
    const auto expect = [&](qsizetype likely) {
        const qsizetype dataRows = std::clamp<qsizetype>(likely - 1, 0, mostImportRows);
        plan.rows.reserve(dataRows);
        check.expectRecords(dataRows);
    };
    const auto take = [&](const csv::Record& record) {
        if (!columns) {
            if (!record.error.isEmpty())
                throw noHeader();
            columns = headerColumns(record.fields, settings, plan);
            return;
        }
        if (plan.rows.size() >= mostImportRows)
            throw tooManyRows();
        plan.rows << readRecord(withDateParts(record, *columns),
                                static_cast<int>(plan.rows.size()) + 1,
                                RowReading{*columns, check, knownIdentities, settings});
    };
    rows(take, expect);
    if (!columns)
        throw noHeader();
    plan.unknownColumns = columns->unknown;
    plan.missingColumns = columns->missing;
    check.forEachRepeatedIdentity([&plan](const ReturnProblem& problem) {
        // Most rows get one finding here: room for exactly that, not for the two a growing
        // list makes, which at 100,000 rows is some 20 MB.
        ImportRow& row = plan.rows[static_cast<qsizetype>(*problem.record - 1)];
        row.findings.reserve(row.findings.size() + 1);
        row.addProblem(problem);
    });
    return plan;
}

QList<ReturnProblem> ImportRow::problems() const {
    QList<ReturnProblem> problems;
    if (findings.isEmpty())
        return problems;
    const RowValues texts = unpackRow(values);
    const auto name = [&texts](const char* column) {
        return textFromValue(texts.value(columnIndex(employeeColumns(), QLatin1String(column))));
    };
    const QString surname = name("Surname");
    const QString firstName = name("FirstName");
    problems.reserve(findings.size());
    for (const RowFinding& finding : findings)
        problems << ReturnProblem{row,
                                  surname,
                                  firstName,
                                  finding.page,
                                  finding.column,
                                  QString::fromUtf8(finding.message),
                                  finding.kind,
                                  {},
                                  finding.code,
                                  {},
                                  {},
                                  {}};
    return problems;
}

void ImportRow::addProblem(const ReturnProblem& problem) {
    findings << RowFinding{problem.column, problem.code, heldUtf8(problem.message), problem.page,
                           problem.kind};
}

int ImportPlan::rowsWithProblems() const {
    return static_cast<int>(
        std::ranges::count_if(rows, [](const ImportRow& row) { return !row.findings.isEmpty(); }));
}

int ImportPlan::storableRows() const {
    return static_cast<int>(std::ranges::count_if(rows, &ImportRow::storable));
}

QList<PackedRow> chosenRows(const ImportPlan& plan, ImportChoice choice) {
    return chosenWork(plan, choice, ImportKinds{true, false}).newRecords;
}

namespace {

QStringList columnLines(const ImportPlan& plan) {
    QStringList lines;
    if (!plan.unknownColumns.isEmpty())
        lines << QObject::tr("Columns not known, ignored: ") +
                     plan.unknownColumns.join(QStringLiteral("; "));
    if (!plan.missingColumns.isEmpty())
        lines << QObject::tr("Columns missing, left empty: ") +
                     plan.missingColumns.join(QStringLiteral("; "));
    return lines;
}

QString countLine(const ImportPlan& plan) {
    return QObject::tr("%1 rows: %2 without problems, %3 with problems, %4 cannot be stored.")
        .arg(plan.rows.size())
        .arg(plan.rows.size() - plan.rowsWithProblems())
        .arg(plan.rowsWithProblems())
        .arg(plan.rows.size() - plan.storableRows());
}

} // namespace

void forEachReportLine(const ImportPlan& plan, const std::function<void(const QString&)>& take) {
    for (const QString& line : columnLines(plan))
        take(line);
    for (const ImportRow& row : plan.rows)
        for (const ReturnProblem& problem : row.problems())
            take(problemLine(row, problem));
    take(countLine(plan));
}

QStringList planSummary(const ImportPlan& plan) {
    return columnLines(plan) << countLine(plan);
}

QStringList planReport(const ImportPlan& plan) {
    QStringList lines;
    forEachReportLine(plan, [&lines](const QString& line) { lines << line; });
    return lines;
}
