#include "core/import/sheet_parts.h"

#include "core/import/xlsx_normal_form.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <optional>

namespace sheetparts {
namespace {

const QByteArray rowEnd = QByteArrayLiteral("</row>");
const QByteArray rowsEnd = QByteArrayLiteral("</sheetData>");
const QByteArray closing = QByteArrayLiteral("</sheetData></worksheet>");
// An opening longer than this is no plain worksheet's; the sheet is then read whole.
constexpr qsizetype longestOpening = 1024 * 1024;
// A row with a cell takes at least this much of a sheet's text: "<row><c><v>1</v></c></row>".
constexpr qint64 shortestRowBytes = 26;

// The value of an attribute of one tag (the text from "<" to ">"), quoted either way.
std::optional<QByteArray> attribute(QByteArrayView tag, QByteArrayView name) {
    for (const char quote : {'"', '\''}) {
        const QByteArray written = ' ' + name.toByteArray() + '=' + quote;
        const qsizetype at = tag.indexOf(written);
        if (at < 0)
            continue;
        const qsizetype from = at + written.size();
        const qsizetype to = tag.indexOf(quote, from);
        if (to > from)
            return tag.sliced(from, to - from).toByteArray();
    }
    return std::nullopt;
}

// Each element `<name ...>` of the text, as its tag.
QList<QByteArrayView> tags(QByteArrayView xml, QByteArrayView name) {
    QList<QByteArrayView> found;
    const QByteArray opening = '<' + name.toByteArray();
    qsizetype at = 0;
    while ((at = xml.indexOf(opening, at)) >= 0) {
        const qsizetype end = xml.indexOf('>', at);
        const char next = at + opening.size() < xml.size() ? xml.at(at + opening.size()) : '\0';
        if (end < 0)
            break;
        if (next == ' ' || next == '>' || next == '/' || next == '\n' || next == '\r' ||
            next == '\t')
            found << xml.sliced(at, end - at + 1);
        at = end;
    }
    return found;
}

std::optional<QByteArray> expanded(const QByteArray& package,
                                   const zippackage::Directory& directory, const QString& name) {
    const zippackage::Entry* entry = directory.find(name);
    return entry ? zippackage::expand(package, *entry) : std::nullopt;
}

// The relation's id of the sheet's element in the workbook, whatever prefix it is written with.
std::optional<QByteArray> relationOf(QByteArrayView sheetTag) {
    const qsizetype at = sheetTag.indexOf(":id=");
    if (at < 0)
        return std::nullopt;
    const qsizetype space = sheetTag.lastIndexOf(' ', at);
    return attribute(sheetTag, sheetTag.sliced(space + 1, at + 3 - space - 1));
}

const QString sheetName = QStringLiteral("xl/worksheets/sheet1.xml");

// The content types of a part's workbook, with its table of strings when it has one.
QByteArray partTypes(bool withStrings) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types xmlns=\"http://schemas."
           "openxmlformats.org/package/2006/content-types\"><Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/><Default "
           "Extension=\"xml\" ContentType=\"application/xml\"/><Override "
           "PartName=\"/xl/workbook.xml\" ContentType=\"application/vnd.openxmlformats-"
           "officedocument.spreadsheetml.sheet.main+xml\"/><Override "
           "PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>" +
           QByteArray(withStrings ? "<Override PartName=\"/xl/sharedStrings.xml\" "
                                    "ContentType=\"application/vnd.openxmlformats-"
                                    "officedocument.spreadsheetml.sharedStrings+xml\"/>"
                                  : "") +
           "</Types>";
}

QByteArray partRelations(bool withStrings) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"http://schemas."
           "openxmlformats.org/package/2006/relationships\"><Relationship Id=\"rId1\" "
           "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
           "worksheet\" Target=\"worksheets/sheet1.xml\"/>" +
           QByteArray(withStrings ? "<Relationship Id=\"rId2\" Type=\"http://schemas."
                                    "openxmlformats.org/officeDocument/2006/relationships/"
                                    "sharedStrings\" Target=\"sharedStrings.xml\"/>"
                                  : "") +
           "</Relationships>";
}

} // namespace

Cutter::Cutter(int rowsPerPart, std::function<bool(const QByteArray&)> part)
    : m_rowsPerPart(rowsPerPart)
    , m_part(std::move(part)) {}

bool Cutter::take(QByteArrayView piece) {
    if (m_ended)
        return true;
    m_pending.append(piece);
    if (m_opening.isEmpty() && !takeOpening())
        return false;
    return m_opening.isEmpty() || takeRows(false);
}

bool Cutter::finish() {
    if (m_opening.isEmpty() || !takeRows(true))
        return false;
    return m_ended;
}

// The opening is the sheet's text up to its rows: the root element unprefixed, as the closing
// written after each part's rows names it, and rows that are not empty.
bool Cutter::takeOpening() {
    const qsizetype name = m_pending.indexOf("sheetData");
    if (name == 0 || (name > 0 && m_pending.at(name - 1) != '<'))
        return false; // written with a prefix
    const qsizetype rows = name - 1;
    const qsizetype end = name < 0 ? -1 : m_pending.indexOf('>', name);
    if (end < 0)
        return m_pending.size() <= longestOpening;
    if (m_pending.at(end - 1) == '/' || !m_pending.left(rows).contains("<worksheet"))
        return false;
    m_opening = m_pending.left(end + 1);
    m_pending.remove(0, end + 1);
    m_searched = 0;
    return true;
}

// Where the pending text is cut: after the last row of a full part, or where the rows end;
// -1 when neither is in it yet. `counted` is where the last row counted ends.
qsizetype Cutter::endOfRows(qsizetype& rows, qsizetype& counted) const {
    const qsizetype last = m_pending.indexOf(rowsEnd, m_searched);
    qsizetype at = m_searched;
    while ((at = m_pending.indexOf(rowEnd, at)) >= 0 && (last < 0 || at < last)) {
        at += rowEnd.size();
        counted = at;
        if (++rows == m_rowsPerPart)
            return at;
    }
    return last;
}

// The rows appended to `out`, each row with its number written in it: a row written without one is
// the row after the one before it, which a part read alone could not know.
void Cutter::appendNumbered(QByteArray& out, QByteArrayView rows) {
    qsizetype copied = 0;
    for (const QByteArrayView tag : tags(rows, "row")) {
        if (const std::optional<QByteArray> number = attribute(tag, "r")) {
            m_lastRow = number->toLongLong();
            continue;
        }
        ++m_lastRow;
        const qsizetype at = tag.constData() - rows.constData() + 4;
        out.append(rows.sliced(copied, at - copied))
            .append(" r=\"")
            .append(QByteArray::number(m_lastRow))
            .append('"');
        copied = at;
    }
    out.append(rows.sliced(copied));
}

bool Cutter::takeRows(bool last) {
    while (!m_ended) {
        qsizetype rows = m_rowsFound;
        qsizetype counted = m_searched;
        const qsizetype cut = endOfRows(rows, counted);
        if (cut < 0) {
            // An end of a row, or of the rows, may begin in this piece and end in the next.
            m_rowsFound = rows;
            m_searched = qMax(counted, m_pending.size() - rowsEnd.size() + 1);
            m_searched = qMax<qsizetype>(0, m_searched);
            return !last;
        }
        m_ended = rows < m_rowsPerPart;
        if (m_ended && rows == 0)
            break;
        // Made in one buffer of about its size: the rows are copied once.
        QByteArray part;
        part.reserve(m_opening.size() + cut + closing.size() + 64);
        part.append(m_opening);
        appendNumbered(part, QByteArrayView(m_pending).first(cut));
        part.append(closing);
        m_pending.remove(0, m_ended ? m_pending.size() : cut);
        m_rowsFound = 0;
        m_searched = 0;
        if (!m_part(part))
            return false;
    }
    return true;
}

std::optional<QString> sheetEntry(const QByteArray& package, const zippackage::Directory& directory,
                                  int sheet) {
    const std::optional<QByteArray> book =
        expanded(package, directory, QStringLiteral("xl/workbook.xml"));
    const std::optional<QByteArray> relations =
        expanded(package, directory, QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!book || !relations)
        return std::nullopt;
    const QList<QByteArrayView> sheets = tags(*book, "sheet");
    if (sheet < 0 || sheet >= sheets.size())
        return std::nullopt;
    const std::optional<QByteArray> id = relationOf(sheets.at(sheet));
    for (const QByteArrayView relation : tags(*relations, "Relationship")) {
        if (!id || attribute(relation, "Id") != id)
            continue;
        const std::optional<QByteArray> target = attribute(relation, "Target");
        if (!target)
            return std::nullopt;
        const QString name = target->startsWith('/') ? QString::fromUtf8(target->mid(1))
                                                     : u"xl/"_qs + QString::fromUtf8(*target);
        return directory.find(name) ? std::optional<QString>(name) : std::nullopt;
    }
    return std::nullopt;
}

qsizetype likelyRows(QByteArrayView opening, qint64 sheetBytes) {
    const QList<QByteArrayView> dimensions = tags(opening, "dimension");
    const std::optional<QByteArray> range =
        dimensions.isEmpty() ? std::nullopt : attribute(dimensions.first(), "ref");
    if (!range)
        return 0;
    // "A1:CC100001", or "A1" alone for a sheet of one cell.
    const auto rowOf = [](QByteArrayView cell) {
        qsizetype digits = cell.size();
        while (digits > 0 && cell.at(digits - 1) >= '0' && cell.at(digits - 1) <= '9')
            --digits;
        bool ok = false;
        const qint64 row = cell.sliced(digits).toLongLong(&ok);
        return ok && digits > 0 ? row : 0;
    };
    const QList<QByteArray> corners = range->split(':');
    const qint64 first = rowOf(corners.first());
    const qint64 last = rowOf(corners.last());
    if (corners.size() > 2 || first < 1 || last < first)
        return 0;
    return static_cast<qsizetype>(std::min(last - first + 1, sheetBytes / shortestRowBytes));
}

std::optional<Opening> withoutRows(const QByteArray& package,
                                   const zippackage::Directory& directory, const QString& entry) {
    const zippackage::Entry* sheet = directory.find(entry);
    if (!sheet)
        return std::nullopt;
    QByteArray opening;
    zippackage::expandEach(package, *sheet, [&](QByteArrayView piece) {
        opening.append(piece);
        const qsizetype rows = opening.indexOf("<sheetData");
        const qsizetype end = rows < 0 ? -1 : opening.indexOf('>', rows);
        if (end >= 0)
            opening.truncate(end + 1);
        return end < 0 && opening.size() <= longestOpening;
    });
    if (!opening.endsWith('>') || opening.endsWith("/>") || !opening.contains("<sheetData") ||
        !opening.contains("<worksheet"))
        return std::nullopt;
    return Opening{zippackage::withEntries(package, directory, {{entry, opening + closing}}),
                   likelyRows(opening, sheet->size)};
}

QByteArray partPackage(const QByteArray& part, int firstString) {
    static const QHash<QString, QByteArray> frame{
        {QStringLiteral("_rels/.rels"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"http://schemas."
         "openxmlformats.org/package/2006/relationships\"><Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
         "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {QStringLiteral("xl/workbook.xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook xmlns=\"http://schemas."
         "openxmlformats.org/spreadsheetml/2006/main\" xmlns:r=\"http://schemas.openxmlformats."
         "org/officeDocument/2006/relationships\"><sheets><sheet name=\"Part\" sheetId=\"1\" "
         "r:id=\"rId1\"/></sheets></workbook>"}};
    QHash<QString, QByteArray> parts = frame;
    QList<QByteArray> strings;
    if (part.contains(inlineTextMark)) {
        QHash<QByteArray, int> indexOf;
        parts.insert(sheetName, sharedInlineStrings(part, strings, indexOf, firstString));
    } else {
        parts.insert(sheetName, part);
    }
    parts.insert(QStringLiteral("[Content_Types].xml"), partTypes(!strings.isEmpty()));
    parts.insert(QStringLiteral("xl/_rels/workbook.xml.rels"), partRelations(!strings.isEmpty()));
    if (!strings.isEmpty())
        parts.insert(QStringLiteral("xl/sharedStrings.xml"), stringTableOf(strings));
    return zippackage::withEntries({}, {}, parts);
}

} // namespace sheetparts
