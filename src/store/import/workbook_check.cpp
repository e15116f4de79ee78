#include "store/import/workbook_check.h"

#include "core/common/engine_errors.h"

#include <QFile>
#include <QObject>
#include <array>
#include <zlib.h>

namespace {

constexpr quint32 endOfDirectorySignature = 0x06054b50;
constexpr quint32 directoryEntrySignature = 0x02014b50;
constexpr quint32 localHeaderSignature = 0x04034b50;
constexpr qint64 endOfDirectorySize = 22;
constexpr qint64 directoryEntrySize = 46;
constexpr qint64 localHeaderSize = 30;

// The mapped bytes of the file, read with bounds checked: a field beyond the end means a
// damaged archive, never a read outside the map.
class Bytes {
public:
    Bytes(const QString& path, const uchar* data, qint64 size)
        : m_path(path)
        , m_data(data)
        , m_size(size) {}
    quint32 number(qint64 at, int width) const {
        need(at, width);
        quint32 value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = (value << 8) | m_data[at + i];
        return value;
    }
    const uchar* span(qint64 at, qint64 length) const {
        need(at, length);
        return m_data + at;
    }
    qint64 size() const { return m_size; }
    EngineError damaged(const QString& why) const {
        return fileError(m_path,
                         QObject::tr("it does not read back as a whole workbook: %1").arg(why));
    }

private:
    void need(qint64 at, qint64 length) const {
        if (at < 0 || length < 0 || at + length > m_size)
            throw damaged(QObject::tr("it ends too early."));
    }
    QString m_path;
    const uchar* m_data;
    qint64 m_size;
};

// Counts the rows of a worksheet as its text streams past: every "<row " element opens one.
class RowCounter {
public:
    void take(const uchar* bytes, std::size_t length) {
        static constexpr std::array<uchar, 5> opening{'<', 'r', 'o', 'w', ' '};
        for (std::size_t i = 0; i < length; ++i) {
            if (bytes[i] == opening[m_matched])
                ++m_matched;
            else
                m_matched = bytes[i] == opening[0] ? 1 : 0;
            if (m_matched == opening.size()) {
                ++m_rows;
                m_matched = 0;
            }
        }
    }
    int rows() const { return m_rows; }

private:
    std::size_t m_matched = 0;
    int m_rows = 0;
};

struct Entry {
    QString name;
    quint32 method, checksum, packedSize, size, localHeader;
};

// Inflates an entry whole, checking its size and checksum, and counts its rows on the way.
int inflatedRows(const Bytes& bytes, const Entry& entry, const uchar* packed) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        throw bytes.damaged(QObject::tr("it cannot be inflated."));
    stream.next_in = const_cast<uchar*>(packed);
    stream.avail_in = entry.packedSize;
    std::array<uchar, 1 << 16> out{};
    RowCounter counter;
    uLong checksum = crc32(0, nullptr, 0);
    qint64 size = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = out.data();
        stream.avail_out = out.size();
        status = inflate(&stream, Z_NO_FLUSH);
        const std::size_t made = out.size() - stream.avail_out;
        checksum = crc32(checksum, out.data(), static_cast<uInt>(made));
        counter.take(out.data(), made);
        size += static_cast<qint64>(made);
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END || size != entry.size || checksum != entry.checksum)
        throw bytes.damaged(QObject::tr("its part '%1' is damaged.").arg(entry.name));
    return counter.rows();
}

int entryRows(const Bytes& bytes, const Entry& entry) {
    const qint64 at = entry.localHeader;
    if (bytes.number(at, 4) != localHeaderSignature)
        throw bytes.damaged(QObject::tr("its part '%1' is missing.").arg(entry.name));
    const qint64 data = at + localHeaderSize + bytes.number(at + 26, 2) + bytes.number(at + 28, 2);
    const uchar* packed = bytes.span(data, entry.packedSize);
    if (entry.method == Z_DEFLATED)
        return inflatedRows(bytes, entry, packed);
    if (entry.method != 0 || entry.size != entry.packedSize ||
        crc32(0, packed, entry.packedSize) != entry.checksum)
        throw bytes.damaged(QObject::tr("its part '%1' is damaged.").arg(entry.name));
    RowCounter counter;
    counter.take(packed, entry.size);
    return counter.rows();
}

qint64 endOfDirectory(const Bytes& bytes) {
    const qint64 last = bytes.size() - endOfDirectorySize;
    for (qint64 at = last; at >= 0 && at >= last - 0xffff; --at)
        if (bytes.number(at, 4) == endOfDirectorySignature)
            return at;
    throw bytes.damaged(QObject::tr("it is not a complete zip archive."));
}

QMap<QString, int> readEntries(const Bytes& bytes) {
    const qint64 end = endOfDirectory(bytes);
    const quint32 count = bytes.number(end + 10, 2);
    qint64 at = bytes.number(end + 16, 4);
    QMap<QString, int> rows;
    for (quint32 i = 0; i < count; ++i) {
        if (bytes.number(at, 4) != directoryEntrySignature)
            throw bytes.damaged(QObject::tr("its directory is damaged."));
        const qint64 nameLength = bytes.number(at + 28, 2);
        const auto* name =
            reinterpret_cast<const char*>(bytes.span(at + directoryEntrySize, nameLength));
        const Entry entry{QString::fromUtf8(name, nameLength),
                          bytes.number(at + 10, 2),
                          bytes.number(at + 16, 4),
                          bytes.number(at + 20, 4),
                          bytes.number(at + 24, 4),
                          bytes.number(at + 42, 4)};
        const int entryRowCount = entryRows(bytes, entry);
        if (entry.name.startsWith(QLatin1String("xl/worksheets/")))
            rows.insert(entry.name, entryRowCount);
        at += directoryEntrySize + nameLength + bytes.number(at + 30, 2) + bytes.number(at + 32, 2);
    }
    return rows;
}

} // namespace

namespace workbookcheck {

QMap<QString, int> worksheetRows(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(path, file.errorString());
    const qint64 size = file.size();
    const uchar* data = size > 0 ? file.map(0, size) : nullptr;
    if (!data)
        throw Bytes(path, nullptr, 0).damaged(QObject::tr("it is empty or cannot be read."));
    return readEntries(Bytes(path, data, size));
}

} // namespace workbookcheck
