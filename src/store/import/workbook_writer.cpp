#include "store/import/workbook_writer.h"

#include "core/common/engine_errors.h"
#include "core/import/sheet_columns.h"

#include <QFileInfo>
#include <QObject>
#include <xlsxwriter.h>

namespace {

constexpr double lineHeight = 15; // points, the spreadsheet's default row height
constexpr lxw_row_t lastRow = LXW_ROW_MAX - 1;

// Offers the allowed values of a column as a list on every row below the header; a value
// outside the list is refused with the column's rule.
void addValueList(lxw_worksheet* sheet, int column, const SheetColumn& described) {
    std::vector<QByteArray> values;
    for (const QString& value : described.allowedValues)
        values.push_back(value.toUtf8());
    std::vector<const char*> list;
    for (const QByteArray& value : values)
        list.push_back(value.constData());
    list.push_back(nullptr);
    const QByteArray message = described.rule.left(255).toUtf8();
    lxw_data_validation validation{};
    validation.validate = LXW_VALIDATION_TYPE_LIST;
    validation.value_list = const_cast<char**>(list.data());
    validation.error_message = const_cast<char*>(message.constData());
    const auto at = static_cast<lxw_col_t>(column);
    worksheet_data_validation_range(sheet, 1, at, lastRow, at, &validation);
}

} // namespace

WorkbookWriter::WorkbookWriter(const QString& path)
    : m_path(path) {
    const QByteArray folder = QFileInfo(path).absolutePath().toUtf8();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    // The rows wait in work files beside the target rather than in the system's shared folder.
    options.tmpdir = const_cast<char*>(folder.constData());
    m_book = workbook_new_opt(path.toUtf8().constData(), &options);
    if (!m_book)
        throw fileError(path, QObject::tr("the workbook cannot be created."));
    m_header = workbook_add_format(m_book);
    format_set_bold(m_header);
    format_set_text_wrap(m_header);
    format_set_align(m_header, LXW_ALIGN_VERTICAL_TOP);
    m_text = workbook_add_format(m_book);
    format_set_num_format(m_text, "@");
    m_amount = workbook_add_format(m_book);
    format_set_num_format(m_amount, "#,##0");
    m_wrapped = workbook_add_format(m_book);
    format_set_text_wrap(m_wrapped);
    format_set_align(m_wrapped, LXW_ALIGN_VERTICAL_TOP);
}

WorkbookWriter::~WorkbookWriter() {
    if (m_book)
        workbook_close(m_book); // after a failure: only frees it, the work file is removed
}

void WorkbookWriter::check(int error) const {
    if (error != LXW_NO_ERROR)
        throw fileError(m_path, QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(error))));
}

void WorkbookWriter::writeHeader(const QStringList& header, double height) {
    check(worksheet_set_row(m_sheet, 0, height, m_header));
    for (int column = 0; column < header.size(); ++column)
        check(worksheet_write_string(m_sheet, 0, static_cast<lxw_col_t>(column),
                                     header.at(column).toUtf8().constData(), m_header));
    worksheet_freeze_panes(m_sheet, 1, 0);
    m_row = 1;
}

void WorkbookWriter::beginRecordSheet(const QString& name) {
    m_sheet = workbook_add_worksheet(m_book, name.toUtf8().constData());
    if (!m_sheet)
        throw fileError(m_path, QObject::tr("the sheet cannot be added."));
    QStringList labels;
    int lines = 1;
    const std::vector<SheetColumn>& columns = sheetColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        labels << columns[i].label;
        lines = std::max(lines, headerLines(columns[i].label));
        if (!columns[i].allowedValues.isEmpty())
            addValueList(m_sheet, static_cast<int>(i), columns[i]);
    }
    writeHeader(labels, lines * lineHeight);
    m_widest.assign(columns.size(), 0);
}

void WorkbookWriter::writeCell(int column, const QString& text) {
    if (text.isEmpty())
        return;
    const SheetColumn& described = sheetColumns()[static_cast<std::size_t>(column)];
    const auto row = static_cast<lxw_row_t>(m_row);
    const auto at = static_cast<lxw_col_t>(column);
    const std::optional<double> number =
        described.kind == CellKind::Text ? std::nullopt : cellNumber(text);
    if (number)
        check(worksheet_write_number(m_sheet, row, at, *number,
                                     described.kind == CellKind::Amount ? m_amount : nullptr));
    else
        check(worksheet_write_string(m_sheet, row, at, text.toUtf8().constData(), m_text));
    int& widest = m_widest[static_cast<std::size_t>(column)];
    widest = std::max(widest, displayWidth(text));
}

void WorkbookWriter::writeRecord(const QStringList& texts) {
    if (m_row > static_cast<int>(lastRow))
        throw fileError(m_path, QObject::tr("a sheet holds at most %1 records.").arg(lastRow));
    for (int column = 0; column < texts.size(); ++column)
        writeCell(column, texts.at(column));
    ++m_row;
}

// Each column as wide as its header and widest value, and formatted for what is typed into its
// empty cells: text where leading zeros matter, amounts grouped by commas.
void WorkbookWriter::fitRecordColumns() {
    const std::vector<SheetColumn>& columns = sheetColumns();
    for (std::size_t i = 0; i < m_widest.size(); ++i) {
        const CellKind kind = columns[i].kind;
        lxw_format* format = kind == CellKind::Text     ? m_text
                             : kind == CellKind::Amount ? m_amount
                                                        : nullptr;
        const auto at = static_cast<lxw_col_t>(i);
        check(worksheet_set_column(m_sheet, at, at, fittedWidth(columns[i].label, m_widest[i]),
                                   format));
    }
    m_widest.clear();
}

void WorkbookWriter::writePlainSheet(const QString& name, const std::vector<PlainColumn>& columns,
                                     const QList<QStringList>& rows) {
    if (!m_widest.empty())
        fitRecordColumns();
    m_sheet = workbook_add_worksheet(m_book, name.toUtf8().constData());
    if (!m_sheet)
        throw fileError(m_path, QObject::tr("the sheet cannot be added."));
    QStringList header;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const auto at = static_cast<lxw_col_t>(i);
        check(worksheet_set_column(m_sheet, at, at, columns[i].width, m_wrapped));
        header << columns[i].header;
    }
    writeHeader(header, lineHeight);
    for (const QStringList& texts : rows) {
        for (int column = 0; column < texts.size(); ++column) {
            const auto at = static_cast<lxw_col_t>(column);
            const std::optional<double> number = columns[static_cast<std::size_t>(column)].numbers
                                                     ? cellNumber(texts.at(column))
                                                     : std::nullopt;
            if (number)
                check(worksheet_write_number(m_sheet, m_row, at, *number, m_wrapped));
            else
                check(worksheet_write_string(m_sheet, m_row, at,
                                             texts.at(column).toUtf8().constData(), m_wrapped));
        }
        ++m_row;
    }
}

void WorkbookWriter::close() {
    if (!m_widest.empty())
        fitRecordColumns();
    lxw_workbook* book = std::exchange(m_book, nullptr);
    check(workbook_close(book));
}
