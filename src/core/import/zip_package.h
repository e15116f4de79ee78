#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

struct z_stream_s;

// The zip container of .xlsx and .ods workbooks, read from its central directory: what each
// entry says it holds, before any of it is expanded.
namespace zippackage {

struct Entry {
    QString name;
    quint16 flags = 0;  // bit 0: the entry is encrypted
    quint16 method = 0; // 0 stored, 8 deflated
    quint32 crc = 0;
    qint64 compressedSize = 0;
    qint64 size = 0; // as declared, expanded
    qint64 localOffset = 0;
};

struct Directory {
    QList<Entry> entries;
    qint64 offset = 0; // where the central directory begins
    const Entry* find(const QString& name) const;
};

inline const QByteArray localSignature = QByteArrayLiteral("PK\x03\x04");

// The directory, or why the bytes are no readable zip: no end record, a directory outside the
// file, an entry cut short. The 64-bit form of the format is refused as well: no workbook this
// program takes needs it.
struct Reading {
    std::optional<Directory> directory;
    QString damage;
};
Reading readDirectory(const QByteArray& bytes);

// The entry's bytes expanded, no more than its declared size; nothing when they cannot be read
// or do not match its checksum.
std::optional<QByteArray> expand(const QByteArray& bytes, const Entry& entry);

// Hands the entry's expanded bytes to `take` a piece at a time, so that a large entry is never
// held whole; `take` returns false to stop. Whole: every piece was handed on and together they
// have the size and checksum the directory states. Damaged: the entry cannot be read, or its
// bytes are not those the directory states (found only at the end: the pieces handed on before
// are then not to be trusted).
enum class Expansion { Whole, Stopped, Damaged };
Expansion expandEach(const QByteArray& bytes, const Entry& entry,
                     const std::function<bool(QByteArrayView piece)>& take);

// The entry's bytes as they are kept in the package (deflated or stored), copied out in pieces
// (of a megabyte unless told), so that the package itself can be let go while the entry is
// expanded; nothing when they lie outside the bytes.
std::optional<QList<QByteArray>> keptPieces(const QByteArray& bytes, const Entry& entry,
                                            qsizetype pieceSize = 1024 * 1024);

// As expandEach, from the entry's kept pieces; each piece is given back as soon as it has been
// expanded, so that the entry's bytes shrink as its content is handed on.
Expansion expandPieces(QList<QByteArray> pieces, const Entry& entry,
                       const std::function<bool(QByteArrayView piece)>& take);

// Whether the entry's expanded bytes hold `marker`, found while expanding a piece at a time so
// that a large entry is never held whole. False as well when the entry cannot be read.
bool expandedContains(const QByteArray& bytes, const Entry& entry, const QByteArray& marker);

// An entry's bytes deflated, with the size and checksum of the bytes before.
struct Deflated {
    QByteArray bytes;
    quint32 crc = 0;
    qint64 size = 0;
};

// Deflates bytes given a piece at a time, so that a large entry is made without its expanded
// bytes ever being held whole.
class Deflater {
public:
    Deflater();
    ~Deflater();
    void add(QByteArrayView bytes);
    Deflated finish();

private:
    void run(QByteArrayView bytes, int flush);
    std::unique_ptr<z_stream_s> m_stream;
    Deflated m_result;
};

// The same package with some entries given new contents (stored, not compressed, or deflated
// already) and others added; every other entry is kept as it is, its record copied byte for
// byte. The old bytes of an entry given new contents are left out. The new entries and a new
// directory are written after the entries kept.
QByteArray withEntries(const QByteArray& bytes, const Directory& directory,
                       const QHash<QString, QByteArray>& contents,
                       const QHash<QString, Deflated>& deflated = {});

} // namespace zippackage
