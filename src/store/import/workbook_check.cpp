#include "store/import/workbook_check.h"

#include "core/common/engine_errors.h"
#include "core/import/zip_package.h"

#include <QFile>
#include <QObject>
#include <array>

namespace {

// Counts the rows of a worksheet as its text streams past: every "<row " element opens one.
class RowCounter {
public:
    void take(QByteArrayView bytes) {
        static constexpr std::array<char, 5> opening{'<', 'r', 'o', 'w', ' '};
        for (const char byte : bytes) {
            if (byte == opening[m_matched])
                ++m_matched;
            else
                m_matched = byte == opening[0] ? 1 : 0;
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

EngineError damaged(const QString& path, const QString& why) {
    return fileError(path, QObject::tr("it does not read back as a whole workbook: %1").arg(why));
}

// Every entry is expanded and checked against its size and checksum; the rows of each worksheet
// are counted on the way.
QMap<QString, int> readEntries(const QString& path, const QByteArray& bytes) {
    const zippackage::Reading reading = zippackage::readDirectory(bytes);
    if (!reading.directory)
        throw damaged(path, reading.damage);
    QMap<QString, int> rows;
    for (const zippackage::Entry& entry : reading.directory->entries) {
        RowCounter counter;
        const zippackage::Expansion expansion =
            zippackage::expandEach(bytes, entry, [&counter](QByteArrayView piece) {
                counter.take(piece);
                return true;
            });
        if (expansion != zippackage::Expansion::Whole)
            throw damaged(path, QObject::tr("its part '%1' is damaged.").arg(entry.name));
        if (entry.name.startsWith(QLatin1String("xl/worksheets/")))
            rows.insert(entry.name, counter.rows());
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
        throw damaged(path, QObject::tr("it is empty or cannot be read."));
    // The mapped bytes are read where they lie, not copied.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    return readEntries(path, bytes);
}

} // namespace workbookcheck
