#include "core/import/xlsx_normal_form.h"

#include <functional>
#include <optional>

namespace {

const QString relationsName = QStringLiteral("xl/_rels/workbook.xml.rels");
const QString typesName = QStringLiteral("[Content_Types].xml");
const QString stringsName = QStringLiteral("xl/sharedStrings.xml");

std::optional<QByteArray> expanded(const QByteArray& bytes, const zippackage::Directory& directory,
                                   const QString& name) {
    const zippackage::Entry* entry = directory.find(name);
    return entry ? zippackage::expand(bytes, *entry) : std::nullopt;
}

// Targets named from the package's root become names from the workbook's folder.
QByteArray relativeTargets(QByteArray rels) {
    rels.replace("Target=\"/xl/", "Target=\"");
    rels.replace("Target=\"/", "Target=\"../");
    return rels;
}

// The escaped text of every <t> element between from and to, joined. Nothing after `to` is
// searched, so a cell without any text costs no search through the cells after it.
QByteArray textsBetween(const QByteArray& xml, qsizetype from, qsizetype to) {
    const QByteArrayView cell = QByteArrayView(xml).first(to);
    QByteArray text;
    qsizetype at = from;
    while ((at = cell.indexOf("<t", at)) >= 0) {
        const qsizetype close = cell.indexOf('>', at);
        const char next = at + 2 < cell.size() ? cell.at(at + 2) : '\0';
        if (close < 0 || (next != '>' && next != ' ' && next != '/'))
            break;
        if (cell.at(close - 1) == '/') {
            at = close;
            continue;
        }
        const qsizetype end = cell.indexOf("</t>", close);
        if (end < 0)
            break;
        text.append(cell.sliced(close + 1, end - close - 1));
        at = end + 4;
    }
    return text;
}

int stringIndex(const QByteArray& text, QList<QByteArray>& strings, QHash<QByteArray, int>& indexOf,
                int first) {
    if (text.isEmpty())
        return noString;
    const auto found = indexOf.constFind(text);
    if (found != indexOf.cend())
        return *found;
    const int index = first + static_cast<int>(strings.size());
    strings << text;
    indexOf.insert(text, index);
    return index;
}

// The strings as items of a table, handed on in runs of about a mebibyte so that a large table
// is never written out whole before it is deflated.
void forEachRunOfItems(const QList<QByteArray>& strings,
                       const std::function<void(QByteArrayView items)>& take) {
    constexpr qsizetype run = 1024 * 1024;
    QByteArray items;
    items.reserve(run + 64);
    for (const QByteArray& text : strings) {
        items.append("<si><t xml:space=\"preserve\">").append(text).append("</t></si>");
        if (items.size() >= run) {
            take(items);
            items.clear();
        }
    }
    take(items);
}

const QByteArray tableOpening =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<sst "
    "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";

// The workbook's table with the strings added after its own, deflated as it is made.
zippackage::Deflated stringTable(const std::optional<QByteArray>& existing,
                                 const QList<QByteArray>& strings) {
    zippackage::Deflater table;
    const QByteArrayView own = existing ? QByteArrayView(*existing) : QByteArrayView(tableOpening);
    const qsizetype end = existing ? existing->lastIndexOf("</sst>") : own.size();
    table.add(own.first(end < 0 ? own.size() : end));
    forEachRunOfItems(strings, [&table](QByteArrayView items) { table.add(items); });
    table.add(end < 0 || !existing ? QByteArrayView("</sst>") : own.sliced(end));
    return table.finish();
}

int stringCount(const std::optional<QByteArray>& table) {
    return table ? static_cast<int>(table->count("<si>") + table->count("<si ")) : 0;
}

void registerStrings(QHash<QString, QByteArray>& parts) {
    QByteArray& rels = parts[relationsName];
    if (!rels.contains("relationships/sharedStrings"))
        rels.replace("</Relationships>",
                     "<Relationship Id=\"rIdSharedStrings0\" "
                     "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                     "relationships/sharedStrings\" Target=\"sharedStrings.xml\"/>"
                     "</Relationships>");
    QByteArray& types = parts[typesName];
    if (!types.contains("/xl/sharedStrings.xml"))
        types.replace("</Types>",
                      "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"application/"
                      "vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
                      "</Types>");
}

} // namespace

bool isWorksheet(const QString& entryName) {
    return entryName.startsWith(QStringLiteral("xl/worksheets/")) &&
           entryName.endsWith(QStringLiteral(".xml"));
}

QByteArray stringTableOf(const QList<QByteArray>& strings) {
    QByteArray table = tableOpening;
    forEachRunOfItems(strings, [&table](QByteArrayView items) { table.append(items); });
    return table + "</sst>";
}

std::optional<zippackage::Deflated>
sharedInlineStringsOf(const QByteArray& bytes, const zippackage::Entry& entry,
                      QList<QByteArray>& strings, QHash<QByteArray, int>& indexOf, int first) {
    // Rewritten a run of whole rows at a time (a cell never spans two rows), so that neither the
    // sheet nor its new form is held whole.
    zippackage::Deflater out;
    QByteArray pending;
    const zippackage::Expansion expansion =
        zippackage::expandEach(bytes, entry, [&](QByteArrayView piece) {
            pending.append(piece);
            const qsizetype end = pending.lastIndexOf("</row>");
            if (end >= 0) {
                const qsizetype cut = end + 6;
                out.add(sharedInlineStrings(pending.first(cut), strings, indexOf, first));
                pending.remove(0, cut);
            }
            return true;
        });
    if (expansion != zippackage::Expansion::Whole)
        return std::nullopt;
    out.add(sharedInlineStrings(pending, strings, indexOf, first));
    return out.finish();
}

QByteArray sharedInlineStrings(const QByteArray& sheet, QList<QByteArray>& strings,
                               QHash<QByteArray, int>& indexOf, int first) {
    // Written straight into the result, piece by piece: this runs over every cell of a sheet.
    const QByteArrayView view(sheet);
    QByteArray out;
    out.reserve(sheet.size());
    qsizetype done = 0;
    qsizetype mark = 0;
    while ((mark = sheet.indexOf(inlineTextMark, done)) >= 0) {
        // No attribute holds a '<', so the cell's tag begins at the last one before the mark.
        const qsizetype start = sheet.lastIndexOf('<', mark);
        const qsizetype tagEnd = sheet.indexOf('>', mark);
        const qsizetype end = tagEnd < 0 ? -1 : sheet.indexOf("</c>", tagEnd);
        if (start < done || !view.sliced(start).startsWith("<c ") || end < 0)
            break;
        const qsizetype afterMark = mark + inlineTextMark.size();
        const int index = stringIndex(textsBetween(sheet, tagEnd, end), strings, indexOf, first);
        out.append(view.sliced(done, mark - done))
            .append("t=\"s\"")
            .append(view.sliced(afterMark, tagEnd + 1 - afterMark))
            .append("<v>")
            .append(QByteArray::number(index))
            .append("</v></c>");
        done = end + 4;
    }
    out.append(view.sliced(done));
    return out;
}

QByteArray withRelativeTargets(const QByteArray& bytes, const zippackage::Directory& directory) {
    const std::optional<QByteArray> rels = expanded(bytes, directory, relationsName);
    if (!rels)
        return {};
    const QByteArray relative = relativeTargets(*rels);
    return relative == *rels
               ? bytes
               : zippackage::withEntries(bytes, directory, {{relationsName, relative}});
}

QByteArray ordinaryXlsx(const QByteArray& bytes, const zippackage::Directory& directory) {
    const std::optional<QByteArray> rels = expanded(bytes, directory, relationsName);
    if (!rels)
        return {};
    QHash<QString, QByteArray> parts;
    if (relativeTargets(*rels) != *rels)
        parts.insert(relationsName, relativeTargets(*rels));
    const std::optional<QByteArray> existing = expanded(bytes, directory, stringsName);
    QList<QByteArray> strings;
    QHash<QByteArray, int> indexOf;
    QHash<QString, zippackage::Deflated> rewritten;
    for (const zippackage::Entry& entry : directory.entries) {
        if (!isWorksheet(entry.name) || !zippackage::expandedContains(bytes, entry, inlineTextMark))
            continue;
        std::optional<zippackage::Deflated> sheet =
            sharedInlineStringsOf(bytes, entry, strings, indexOf, stringCount(existing));
        if (!sheet)
            return {};
        rewritten.insert(entry.name, std::move(*sheet));
    }
    if (!strings.isEmpty()) {
        parts.insert(relationsName, relativeTargets(*rels));
        parts.insert(typesName, *zippackage::expand(bytes, *directory.find(typesName)));
        registerStrings(parts);
        rewritten.insert(stringsName, stringTable(existing, strings));
    }
    return parts.isEmpty() && rewritten.isEmpty()
               ? bytes
               : zippackage::withEntries(bytes, directory, parts, rewritten);
}
