#include "core/import/workbook_reader.h"

#include "core/common/engine_error.h"
#include "core/import/sheet_parts.h"
#include "core/import/sheet_rows.h"
#include "core/import/workbook_strings.h"
#include "core/import/workbook_styles.h"
#include "core/import/xlsx_normal_form.h"

#include <QHash>
#include <QObject>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <cmath>
#include <memory>

namespace workbook {
namespace {

namespace iface = orcus::spreadsheet::iface;
using orcus::spreadsheet::col_t;
using orcus::spreadsheet::row_t;

// Thrown from inside the library's reading to end it with a reason of our own.
struct Refusal {
    QString why;
};
// Thrown once the names of the sheets are known, when nothing more is wanted.
struct NamesRead {};

// A formula's value as last calculated, put in the cell where the formula stands.
class FormulaValues : public iface::import_formula {
public:
    explicit FormulaValues(SheetRows* rows)
        : m_rows(rows) {}
    void set_position(row_t row, col_t column) override {
        m_row = row;
        m_column = column;
    }
    void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(std::size_t) override {}
    void set_result_string(std::string_view value) override {
        if (m_rows)
            m_rows->setText(m_row, m_column,
                            QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    }
    // A formula never calculated (as some libraries write them) has no value: its cell is empty.
    void set_result_value(double value) override {
        if (m_rows && std::isfinite(value))
            m_rows->setNumber(m_row, m_column, value);
    }
    void set_result_bool(bool value) override {
        if (m_rows)
            m_rows->setTruth(m_row, m_column, value);
    }
    void set_result_empty() override {}
    void commit() override {}

private:
    SheetRows* m_rows;
    int m_row = 0;
    int m_column = 0;
};

// One sheet: the chosen one keeps its cells, any other passes them over.
class Sheet : public iface::import_sheet {
public:
    Sheet(SheetRows* rows, SharedStrings& strings, bool namesOnly)
        : m_rows(rows)
        , m_strings(strings)
        , m_formulas(rows)
        , m_namesOnly(namesOnly) {}

    iface::import_formula* get_formula() override { return &m_formulas; }
    void set_auto(row_t row, col_t column, std::string_view s) override {
        if (keep(row, column))
            m_rows->setText(row, column, QByteArray(s.data(), static_cast<qsizetype>(s.size())));
    }
    void set_string(row_t row, col_t column, orcus::spreadsheet::string_id_t index) override {
        if (keep(row, column))
            m_rows->setSharedText(row, column, static_cast<quint32>(index));
    }
    void set_value(row_t row, col_t column, double value) override {
        m_strings.dropPieces();
        if (keep(row, column))
            m_rows->setNumber(row, column, value);
    }
    void set_bool(row_t row, col_t column, bool value) override {
        m_strings.dropPieces();
        if (keep(row, column))
            m_rows->setTruth(row, column, value);
    }
    void set_date_time(row_t row, col_t column, int year, int month, int day, int, int,
                       double) override {
        m_strings.dropPieces();
        if (keep(row, column))
            m_rows->setDate(row, column, QDate(year, month, day));
    }
    void set_format(row_t row, col_t column, std::size_t format) override {
        if (m_rows && row < mostSheetRows && column < mostSheetColumns)
            m_rows->setFormat(row, column, static_cast<quint32>(format));
    }
    void set_format(row_t, col_t, row_t, col_t, std::size_t) override {}
    void fill_down_cells(row_t, col_t, row_t) override {}
    orcus::spreadsheet::range_size_t get_sheet_size() const override { return {1048576, 16384}; }

private:
    bool keep(row_t row, col_t column) const {
        if (m_namesOnly)
            throw NamesRead{};
        if (!m_rows)
            return false;
        if (row >= mostSheetRows)
            throw Refusal{QObject::tr("the sheet has more than %1 rows").arg(mostSheetRows)};
        if (column >= mostSheetColumns)
            throw Refusal{QObject::tr("the sheet has more than %1 columns").arg(mostSheetColumns)};
        return true;
    }

    SheetRows* m_rows;
    SharedStrings& m_strings;
    FormulaValues m_formulas;
    bool m_namesOnly;
};

// Cell addresses as "B12" or "$B$12", for the formulas' places.
class Addresses : public iface::import_reference_resolver {
public:
    orcus::spreadsheet::src_address_t resolve_address(std::string_view address) override {
        orcus::spreadsheet::src_address_t at{0, 0, 0};
        std::size_t i = 0;
        int column = 0;
        int row = 0;
        const auto skipDollar = [&] {
            while (i < address.size() && address[i] == '$')
                ++i;
        };
        skipDollar();
        for (; i < address.size() && std::isalpha(static_cast<unsigned char>(address[i])); ++i)
            column = column * 26 + (std::toupper(static_cast<unsigned char>(address[i])) - 'A' + 1);
        skipDollar();
        for (; i < address.size() && std::isdigit(static_cast<unsigned char>(address[i])); ++i)
            row = qMin(row * 10 + (address[i] - '0'), 1 << 24);
        at.column = column - 1;
        at.row = row - 1;
        return at;
    }
    orcus::spreadsheet::src_range_t resolve_range(std::string_view range) override {
        const std::size_t colon = range.find(':');
        if (colon == std::string_view::npos)
            return {resolve_address(range), resolve_address(range)};
        return {resolve_address(range.substr(0, colon)), resolve_address(range.substr(colon + 1))};
    }
};

class Settings : public iface::import_global_settings {
public:
    QDate origin() const { return m_origin; }
    void set_origin_date(int year, int month, int day) override {
        m_origin = QDate(year, month, day);
    }
    void set_default_formula_grammar(orcus::spreadsheet::formula_grammar_t grammar) override {
        m_grammar = grammar;
    }
    orcus::spreadsheet::formula_grammar_t get_default_formula_grammar() const override {
        return m_grammar;
    }
    void set_character_set(orcus::character_set_t) override {}

private:
    QDate m_origin{1899, 12, 30};
    orcus::spreadsheet::formula_grammar_t m_grammar{};
};

// What the library tells of the workbook: the names of its sheets, and the cells of the one
// wanted (none when only the names are).
class Workbook : public iface::import_factory {
public:
    Workbook(int wanted, bool stopAtFirstCell)
        : m_wanted(wanted)
        , m_stopAtFirstCell(stopAtFirstCell) {}

    const QStringList& names() const { return m_names; }
    SheetRows& rows() { return m_rows; }
    SharedStrings& strings() { return m_strings; }
    SheetRows::Reading reading() const {
        return {[this](quint32 index) { return m_strings.text(index); },
                [this](quint32 format) { return m_styles.showsDate(format); }, m_settings.origin()};
    }

    // The parts of a sheet read one after another, each as a workbook of its own: its cells go
    // to the rows of the sheet wanted, and what it says of the workbook is passed over.
    void beginPart() {
        m_names.clear();
        m_sheets.clear();
        m_wanted = 0;
        m_inParts = true;
    }

    iface::import_global_settings* get_global_settings() override {
        return m_inParts ? &m_partSettings : &m_settings;
    }
    iface::import_shared_strings* get_shared_strings() override { return &m_strings; }
    iface::import_styles* get_styles() override { return &m_styles; }
    iface::import_reference_resolver*
    get_reference_resolver(orcus::spreadsheet::formula_ref_context_t) override {
        return &m_addresses;
    }
    iface::import_sheet* append_sheet(orcus::spreadsheet::sheet_t index,
                                      std::string_view name) override {
        m_names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        m_sheets.push_back(std::make_unique<Sheet>(index == m_wanted ? &m_rows : nullptr, m_strings,
                                                   m_stopAtFirstCell));
        return m_sheets.back().get();
    }
    iface::import_sheet* get_sheet(std::string_view name) override {
        return get_sheet(static_cast<orcus::spreadsheet::sheet_t>(
            m_names.indexOf(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))));
    }
    iface::import_sheet* get_sheet(orcus::spreadsheet::sheet_t index) override {
        if (index < 0 || static_cast<std::size_t>(index) >= m_sheets.size())
            return nullptr;
        return m_sheets[static_cast<std::size_t>(index)].get();
    }
    void finalize() override {}

private:
    int m_wanted;
    bool m_stopAtFirstCell;
    QStringList m_names;
    std::vector<std::unique_ptr<Sheet>> m_sheets;
    SheetRows m_rows;
    SharedStrings m_strings;
    WorkbookStyles m_styles;
    Addresses m_addresses;
    Settings m_settings;
    Settings m_partSettings;
    bool m_inParts = false;
};

EngineError refusal(const QString& fileName, const QString& why) {
    return EngineError(engine::InvalidArgument,
                       QObject::tr("The file '%1' cannot be imported: %2.").arg(fileName, why));
}

// The library parses inside the process: whatever it throws ends the reading as a refusal.
void read(Workbook& book, const QByteArray& package, WorkbookKind kind, const QString& fileName) {
    const std::string_view bytes(package.constData(), static_cast<std::size_t>(package.size()));
    try {
        if (kind == WorkbookKind::Xlsx) {
            orcus::orcus_xlsx reader(&book);
            reader.read_stream(bytes);
        } else {
            orcus::orcus_ods reader(&book);
            reader.read_stream(bytes);
        }
    } catch (const NamesRead&) {
    } catch (const Refusal& refused) {
        throw refusal(fileName, refused.why);
    } catch (const std::exception& error) {
        throw refusal(fileName,
                      QObject::tr("it is damaged (%1)").arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        throw refusal(fileName, QObject::tr("it is damaged"));
    }
}

// The .xlsx package with every worksheet left empty: the names are the workbook's, and the
// library would otherwise expand the first sheet whole before it reads a cell of it.
QByteArray withEmptyWorksheets(const QByteArray& package) {
    const zippackage::Reading reading = zippackage::readDirectory(package);
    if (!reading.directory)
        return package;
    QHash<QString, QByteArray> empty;
    for (const zippackage::Entry& entry : reading.directory->entries)
        if (isWorksheet(entry.name))
            empty.insert(entry.name,
                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\"http://"
                         "schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData/>"
                         "</worksheet>");
    return zippackage::withEntries(package, *reading.directory, empty);
}

} // namespace

QStringList sheetNames(const QByteArray& package, WorkbookKind kind, const QString& fileName) {
    // An .ods names each sheet where it begins, so it is read to its end.
    Workbook book(-1, kind == WorkbookKind::Xlsx);
    read(book, kind == WorkbookKind::Xlsx ? withEmptyWorksheets(package) : package, kind, fileName);
    if (book.names().isEmpty())
        throw refusal(fileName, QObject::tr("it has no sheet"));
    return book.names();
}

namespace {

// The package of a sheet read whole, with every inline text made a shared string.
QByteArray ordinaryForm(const QByteArray& package, const QString& fileName) {
    const zippackage::Reading reading = zippackage::readDirectory(package);
    const QByteArray ordinary =
        reading.directory ? ordinaryXlsx(package, *reading.directory) : QByteArray();
    if (ordinary.isEmpty())
        throw refusal(fileName, QObject::tr("it is damaged: a part cannot be expanded"));
    return ordinary;
}

// Reads an .xlsx sheet in parts (see sheetparts): first the workbook without the sheet's rows,
// then each part as soon as it is cut, its rows handed on once it is read. The sheet's bytes are
// taken out of the package, which is let go once the first part is cut, and they are given back
// as they are expanded. False, with nothing handed on and the package kept, when the sheet is
// not written in the plain form the parts need or has no rows.
bool readInParts(QByteArray& package, int sheet, const QString& fileName,
                 const csv::TakeRecord& take, const csv::ExpectRecords& expect) {
    const zippackage::Reading reading = zippackage::readDirectory(package);
    const std::optional<QString> entry =
        reading.directory ? sheetparts::sheetEntry(package, *reading.directory, sheet)
                          : std::nullopt;
    std::optional<sheetparts::Opening> opening =
        entry ? sheetparts::withoutRows(package, *reading.directory, *entry) : std::nullopt;
    const zippackage::Entry sheetEntry =
        opening ? *reading.directory->find(*entry) : zippackage::Entry{};
    std::optional<QList<QByteArray>> kept =
        opening ? zippackage::keptPieces(package, sheetEntry) : std::nullopt;
    if (!kept)
        return false;
    Workbook book(sheet, false);
    read(book, opening->package, WorkbookKind::Xlsx, fileName);
    const qsizetype likelyRows = opening->likelyRows;
    opening.reset();
    book.strings().squeeze();
    if (sheet >= book.names().size())
        throw refusal(fileName, QObject::tr("it has no sheet %1").arg(sheet + 1));
    if (likelyRows > 0 && expect)
        expect(likelyRows);
    book.beginPart();
    bool handedOn = false;
    const int ownStrings = book.strings().count();
    sheetparts::Cutter cutter(sheetparts::rowsPerPart, [&](const QByteArray& part) {
        handedOn = true;
        package = QByteArray();
        book.beginPart();
        read(book, sheetparts::partPackage(part, ownStrings), WorkbookKind::Xlsx, fileName);
        book.rows().takeRows(book.reading(), take);
        book.strings().keepFirst(ownStrings);
        return true;
    });
    const zippackage::Expansion expansion =
        zippackage::expandPieces(std::move(*kept), sheetEntry,
                                 [&cutter](QByteArrayView piece) { return cutter.take(piece); });
    const bool whole = expansion == zippackage::Expansion::Whole && cutter.finish();
    // Until a row is handed on, a sheet that cannot be cut is read whole, as any other; it is
    // refused there when it is damaged.
    if (!handedOn)
        return whole;
    if (!whole)
        throw refusal(fileName, QObject::tr("it is damaged"));
    return true;
}

} // namespace

void forEachRow(QByteArray package, WorkbookKind kind, int sheet, const QString& fileName,
                const csv::TakeRecord& take, const csv::ExpectRecords& expect) {
    if (kind == WorkbookKind::Xlsx) {
        if (readInParts(package, sheet, fileName, take, expect))
            return;
        package = ordinaryForm(package, fileName);
    }
    Workbook book(sheet, false);
    read(book, package, kind, fileName);
    package = QByteArray();
    if (sheet < 0 || sheet >= book.names().size())
        throw refusal(fileName, QObject::tr("it has no sheet %1").arg(sheet + 1));
    book.rows().takeRows(book.reading(), take);
}

} // namespace workbook
