#include "core/import/zip_package.h"

#include <QObject>
#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace zippackage {
namespace {

constexpr quint32 endSignature = 0x06054b50;
constexpr quint32 directorySignature = 0x02014b50;
constexpr quint32 headerSignature = 0x04034b50;
constexpr qsizetype endSize = 22;
constexpr qsizetype directoryRecordSize = 46;
constexpr qsizetype localHeaderSize = 30;
constexpr quint32 largeMarker = 0xffffffff;

quint32 number(const QByteArray& bytes, qint64 at, int width) {
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    return value;
}

void append(QByteArray& bytes, quint32 value, int width) {
    for (int i = 0; i < width; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

qint64 endRecord(const QByteArray& bytes) {
    const qint64 last = bytes.size() - endSize;
    for (qint64 at = last; at >= 0 && at >= last - 0xffff; --at)
        if (number(bytes, at, 4) == endSignature)
            return at;
    return -1;
}

// One record of the central directory at `at`, or nothing when it does not fit in the file.
std::optional<Entry> directoryEntry(const QByteArray& bytes, qint64 at, qint64 end, qint64& next) {
    if (at + directoryRecordSize > end || number(bytes, at, 4) != directorySignature)
        return std::nullopt;
    const qint64 nameLength = number(bytes, at + 28, 2);
    next = at + directoryRecordSize + nameLength + number(bytes, at + 30, 2) +
           number(bytes, at + 32, 2);
    if (next > end)
        return std::nullopt;
    Entry entry;
    entry.flags = static_cast<quint16>(number(bytes, at + 8, 2));
    entry.method = static_cast<quint16>(number(bytes, at + 10, 2));
    entry.crc = number(bytes, at + 16, 4);
    entry.compressedSize = number(bytes, at + 20, 4);
    entry.size = number(bytes, at + 24, 4);
    entry.localOffset = number(bytes, at + 42, 4);
    entry.name = QString::fromUtf8(bytes.mid(at + directoryRecordSize, nameLength));
    return entry;
}

bool fitsInFile(const Entry& entry, qint64 directoryOffset) {
    return entry.compressedSize != largeMarker && entry.size != largeMarker &&
           entry.localOffset + localHeaderSize + entry.compressedSize <= directoryOffset;
}

// The entry's local header followed by its bytes as they are kept (stored or deflated).
void writeLocalEntry(QByteArray& out, const Entry& entry, const QByteArray& kept) {
    const QByteArray encodedName = entry.name.toUtf8();
    append(out, headerSignature, 4);
    append(out, 20, 2);
    append(out, 0x0800, 2); // names in UTF-8
    append(out, entry.method, 2);
    append(out, 0, 4); // time and date
    append(out, entry.crc, 4);
    append(out, static_cast<quint32>(entry.compressedSize), 4);
    append(out, static_cast<quint32>(entry.size), 4);
    append(out, static_cast<quint32>(encodedName.size()), 2);
    append(out, 0, 2);
    out += encodedName;
    out += kept;
}

void writeDirectoryRecord(QByteArray& out, const Entry& entry) {
    const QByteArray encodedName = entry.name.toUtf8();
    append(out, directorySignature, 4);
    append(out, 20, 2);
    append(out, 20, 2);
    append(out, entry.flags, 2);
    append(out, entry.method, 2);
    append(out, 0, 4);
    append(out, entry.crc, 4);
    append(out, static_cast<quint32>(entry.compressedSize), 4);
    append(out, static_cast<quint32>(entry.size), 4);
    append(out, static_cast<quint32>(encodedName.size()), 2);
    append(out, 0, 2);
    append(out, 0, 2);
    append(out, 0, 2);
    append(out, 0, 2);
    append(out, 0, 4);
    append(out, static_cast<quint32>(entry.localOffset), 4);
    out += encodedName;
}

// The running checksum of an entry's content, carried on over the next bytes of it.
uLong checksumWith(uLong crc, QByteArrayView bytes) {
    return crc32(crc, reinterpret_cast<const Bytef*>(bytes.constData()),
                 static_cast<uInt>(bytes.size()));
}

quint32 checksum(QByteArrayView content) {
    return static_cast<quint32>(checksumWith(crc32(0, nullptr, 0), content));
}

} // namespace

const Entry* Directory::find(const QString& name) const {
    for (const Entry& entry : entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

Reading readDirectory(const QByteArray& bytes) {
    const qint64 end = endRecord(bytes);
    if (end < 0)
        return {std::nullopt, QObject::tr("it has no zip directory")};
    Directory directory;
    const qint64 count = number(bytes, end + 10, 2);
    const qint64 size = number(bytes, end + 12, 4);
    directory.offset = number(bytes, end + 16, 4);
    if (directory.offset == largeMarker || directory.offset + size > end)
        return {std::nullopt, QObject::tr("its zip directory lies outside the file")};
    qint64 at = directory.offset;
    for (qint64 i = 0; i < count; ++i) {
        qint64 next = 0;
        const std::optional<Entry> entry = directoryEntry(bytes, at, end, next);
        if (!entry || !fitsInFile(*entry, directory.offset))
            return {std::nullopt,
                    QObject::tr("entry %1 of its zip directory is damaged").arg(i + 1)};
        directory.entries << *entry;
        at = next;
    }
    return {directory, {}};
}

// Where the entry's data begin, after its local header; -1 when it lies outside the bytes.
qint64 dataOffset(const QByteArray& bytes, const Entry& entry) {
    const qint64 header = entry.localOffset;
    if (header + localHeaderSize > bytes.size() || number(bytes, header, 4) != headerSignature)
        return -1;
    const qint64 data =
        header + localHeaderSize + number(bytes, header + 26, 2) + number(bytes, header + 28, 2);
    return data + entry.compressedSize <= bytes.size() ? data : -1;
}

namespace {

// Hands out the kept pieces one after another, each given back once the next is asked for; an
// empty view once all are given.
class KeptInput {
public:
    explicit KeptInput(QList<QByteArray>& pieces)
        : m_pieces(pieces) {}
    QByteArrayView next() {
        if (m_next > 0)
            m_pieces[m_next - 1] = QByteArray();
        if (m_next == m_pieces.size())
            return {};
        return m_pieces.at(m_next++);
    }

private:
    QList<QByteArray>& m_pieces;
    qsizetype m_next = 0;
};

// Inflates a deflated entry into `take` piece by piece, keeping its size and checksum.
Expansion inflateEach(KeptInput& input, const Entry& entry,
                      const std::function<bool(QByteArrayView)>& take) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return Expansion::Damaged;
    QByteArray piece(64 * 1024, Qt::Uninitialized);
    uLong crc = crc32(0, nullptr, 0);
    qint64 size = 0;
    int result = Z_OK;
    bool wanted = true;
    while (wanted && result == Z_OK && size <= entry.size) {
        // With no input left, the library still gives out what it holds, then stops for want
        // of bytes: an entry cut short.
        if (stream.avail_in == 0) {
            const QByteArrayView kept = input.next();
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(kept.constData()));
            stream.avail_in = static_cast<uInt>(kept.size());
        }
        stream.next_out = reinterpret_cast<Bytef*>(piece.data());
        stream.avail_out = static_cast<uInt>(piece.size());
        result = inflate(&stream, Z_NO_FLUSH);
        const qsizetype filled = piece.size() - static_cast<qsizetype>(stream.avail_out);
        crc = checksumWith(crc, QByteArrayView(piece.constData(), filled));
        size += filled;
        // A piece beyond the declared size is never handed on: the entry is damaged.
        if (filled > 0 && size <= entry.size)
            wanted = take(QByteArrayView(piece.constData(), filled));
    }
    inflateEnd(&stream);
    if (result == Z_STREAM_END && size == entry.size && crc == entry.crc)
        return Expansion::Whole;
    return wanted || result != Z_OK ? Expansion::Damaged : Expansion::Stopped;
}

// A stored entry is its own content: it is checked whole before any of it is handed on.
Expansion takeStored(QList<QByteArray>& pieces, const Entry& entry,
                     const std::function<bool(QByteArrayView)>& take) {
    qint64 size = 0;
    uLong crc = crc32(0, nullptr, 0);
    for (const QByteArray& piece : std::as_const(pieces)) {
        size += piece.size();
        crc = checksumWith(crc, piece);
    }
    if (entry.compressedSize != entry.size || size != entry.size || crc != entry.crc)
        return Expansion::Damaged;
    KeptInput input(pieces);
    for (QByteArrayView piece = input.next(); !piece.isEmpty(); piece = input.next())
        if (!take(piece))
            return Expansion::Stopped;
    return Expansion::Whole;
}

} // namespace

std::optional<QList<QByteArray>> keptPieces(const QByteArray& bytes, const Entry& entry,
                                            qsizetype pieceSize) {
    const qint64 data = dataOffset(bytes, entry);
    if (data < 0)
        return std::nullopt;
    QList<QByteArray> pieces;
    for (qint64 at = 0; at < entry.compressedSize; at += pieceSize)
        pieces << bytes.mid(data + at, qMin<qint64>(pieceSize, entry.compressedSize - at));
    return pieces;
}

Expansion expandPieces(QList<QByteArray> pieces, const Entry& entry,
                       const std::function<bool(QByteArrayView)>& take) {
    if (entry.method == 0)
        return takeStored(pieces, entry, take);
    if (entry.method != 8)
        return Expansion::Damaged;
    KeptInput input(pieces);
    return inflateEach(input, entry, take);
}

Expansion expandEach(const QByteArray& bytes, const Entry& entry,
                     const std::function<bool(QByteArrayView)>& take) {
    const qint64 data = dataOffset(bytes, entry);
    if (data < 0)
        return Expansion::Damaged;
    // The entry's bytes are read where they lie, not copied.
    return expandPieces({QByteArray::fromRawData(bytes.constData() + data, entry.compressedSize)},
                        entry, take);
}

bool expandedContains(const QByteArray& bytes, const Entry& entry, const QByteArray& marker) {
    // Each piece is searched with the end of the one before, so a marker across two is found.
    QByteArray window;
    bool found = false;
    expandEach(bytes, entry, [&](QByteArrayView piece) {
        window.append(piece);
        found = window.contains(marker);
        window = window.right(marker.size() - 1);
        return !found;
    });
    return found;
}

std::optional<QByteArray> expand(const QByteArray& bytes, const Entry& entry) {
    QByteArray content;
    content.reserve(entry.size);
    const Expansion expansion = expandEach(bytes, entry, [&content](QByteArrayView piece) {
        content.append(piece);
        return true;
    });
    return expansion == Expansion::Whole ? std::optional<QByteArray>(content) : std::nullopt;
}

namespace {

// Where each entry's local record ends: at the next entry's header, or where the directory
// begins, so that a record takes its data descriptor, if it has one, with it.
QList<qint64> recordEnds(const Directory& directory) {
    QList<qint64> starts;
    for (const Entry& entry : directory.entries)
        starts << entry.localOffset;
    std::sort(starts.begin(), starts.end());
    QList<qint64> ends;
    for (const Entry& entry : directory.entries) {
        const auto next = std::upper_bound(starts.cbegin(), starts.cend(), entry.localOffset);
        ends << (next == starts.cend() ? directory.offset : *next);
    }
    return ends;
}

void writeEnd(QByteArray& out, qsizetype entries, qint64 directoryOffset) {
    append(out, endSignature, 4);
    append(out, 0, 4);
    append(out, static_cast<quint32>(entries), 2);
    append(out, static_cast<quint32>(entries), 2);
    append(out, static_cast<quint32>(out.size() - directoryOffset - 12), 4);
    append(out, static_cast<quint32>(directoryOffset), 4);
    append(out, 0, 2);
}

// The entries of a new package in the order they are written, the ones kept first with where
// their records end in the old bytes; their offsets are still the old ones.
struct Layout {
    QList<Entry> entries;
    QList<qint64> keptEnds;
    qint64 size = endSize; // of the whole new package
};

Layout layout(const Directory& directory, const QHash<QString, QByteArray>& contents,
              const QHash<QString, Deflated>& deflated) {
    const QList<qint64> ends = recordEnds(directory);
    Layout planned;
    for (qsizetype i = 0; i < directory.entries.size(); ++i) {
        const Entry& entry = directory.entries.at(i);
        if (contents.contains(entry.name) || deflated.contains(entry.name))
            continue;
        planned.entries << entry;
        planned.keptEnds << ends.at(i);
        planned.size += ends.at(i) - entry.localOffset;
    }
    for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
        const qint64 size = it.value().size();
        planned.entries << Entry{it.key(), 0, 0, checksum(it.value()), size, size, 0};
        planned.size += localHeaderSize + it.key().toUtf8().size() + size;
    }
    for (auto it = deflated.cbegin(); it != deflated.cend(); ++it) {
        const Deflated& content = it.value();
        planned.entries << Entry{it.key(),     0, 8, content.crc, content.bytes.size(),
                                 content.size, 0};
        planned.size += localHeaderSize + it.key().toUtf8().size() + content.bytes.size();
    }
    for (const Entry& entry : std::as_const(planned.entries))
        planned.size += directoryRecordSize + entry.name.toUtf8().size();
    return planned;
}

} // namespace

QByteArray withEntries(const QByteArray& bytes, const Directory& directory,
                       const QHash<QString, QByteArray>& contents,
                       const QHash<QString, Deflated>& deflated) {
    // Only the entries kept are copied, each with its own record, so the old bytes of an entry
    // replaced never reach the new package; its whole size is reserved before it is written.
    Layout planned = layout(directory, contents, deflated);
    QByteArray out;
    out.reserve(planned.size);
    for (qsizetype i = 0; i < planned.entries.size(); ++i) {
        Entry& entry = planned.entries[i];
        const qint64 from = entry.localOffset;
        entry.localOffset = out.size();
        if (i < planned.keptEnds.size())
            out.append(bytes.constData() + from, planned.keptEnds.at(i) - from);
        else if (entry.method == 0)
            writeLocalEntry(out, entry, contents.value(entry.name));
        else
            writeLocalEntry(out, entry, deflated.value(entry.name).bytes);
    }
    const qint64 directoryOffset = out.size();
    for (const Entry& entry : std::as_const(planned.entries))
        writeDirectoryRecord(out, entry);
    writeEnd(out, planned.entries.size(), directoryOffset);
    return out;
}

} // namespace zippackage
