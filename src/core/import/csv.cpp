#include "core/import/csv.h"

#include "core/common/codepage.h"

#include <QIODevice>
#include <QObject>
#include <QStringDecoder>

namespace csv {
namespace {

bool needsQuotes(const QString& field) {
    for (QChar c : field)
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r')
            return true;
    return false;
}

// What a spreadsheet reads as the start of a formula, and the apostrophe that keeps it text.
bool opensFormula(QChar c) {
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}
constexpr QChar textMark(u'\'');

// Reads the records of one text; the position and line advance as characters are taken.
class Reader {
public:
    explicit Reader(const QString& text, int firstLine = 1)
        : m_text(text)
        , m_line(firstLine) {}

    bool atEnd() const { return m_at >= m_text.size(); }
    qsizetype position() const { return m_at; }
    int line() const { return m_line; }
    // Whether the last record ended inside a quoted field because the text did.
    bool ranOutInQuote() const { return m_ranOut; }

    Record next() {
        m_ranOut = false;
        Record record{m_line, {}, {}, {}};
        QString field;
        while (true) {
            const std::optional<QString> error = readField(field);
            if (error) {
                record.error = *error;
                skipRestOfLine();
                return record;
            }
            record.fields << field;
            if (atEnd() || !take(u','))
                break;
        }
        takeLineBreak();
        return record;
    }

    void skipEmptyLines() {
        while (!atEnd() && takeLineBreak()) {
        }
    }

private:
    QChar peek() const { return atEnd() ? QChar() : m_text.at(m_at); }
    bool take(QChar c) {
        if (atEnd() || m_text.at(m_at) != c)
            return false;
        ++m_at;
        return true;
    }
    bool atLineBreak() const { return peek() == u'\r' || peek() == u'\n'; }
    bool takeLineBreak() {
        if (take(u'\r')) {
            take(u'\n');
        } else if (!take(u'\n')) {
            return false;
        }
        ++m_line;
        return true;
    }
    void skipRestOfLine() {
        while (!atEnd() && !takeLineBreak())
            ++m_at;
    }

    std::optional<QString> readField(QString& field) {
        field.clear();
        if (take(u'"'))
            return readQuoted(field);
        while (!atEnd() && peek() != u',' && !atLineBreak()) {
            if (peek() == u'"')
                return QObject::tr("a quote inside a field that does not begin with one");
            field += m_text.at(m_at++);
        }
        return std::nullopt;
    }

    std::optional<QString> readQuoted(QString& field) {
        const int startLine = m_line;
        while (!atEnd()) {
            if (take(u'"')) {
                if (!take(u'"'))
                    return atEnd() || peek() == u',' || atLineBreak()
                               ? std::nullopt
                               : std::optional<QString>(
                                     QObject::tr("text after the closing quote of a field"));
                field += u'"';
            } else if (atLineBreak()) {
                const qsizetype before = m_at;
                takeLineBreak();
                field += m_text.mid(before, m_at - before);
            } else {
                field += m_text.at(m_at++);
            }
        }
        m_ranOut = true;
        return QObject::tr("a quote opened on line %1 is never closed").arg(startLine);
    }

    const QString& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    bool m_ranOut = false;
};

} // namespace

QString quoteField(const QString& field) {
    if (!needsQuotes(field))
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString protectedCell(const QString& text) {
    if (text.isEmpty() || !(opensFormula(text.front()) || text.front() == textMark))
        return text;
    return textMark + text;
}

QString unprotectedCell(const QString& text) {
    if (text.size() < 2 || text.front() != textMark ||
        !(opensFormula(text.at(1)) || text.at(1) == textMark))
        return text;
    return text.mid(1);
}

QString line(const QStringList& fields) {
    QString text;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += u',';
        text += quoteField(fields[i]);
    }
    return text + QStringLiteral("\r\n");
}

std::optional<QString> decodeFile(const QByteArray& bytes) {
    // A body of UTF-8 is read as UTF-8 whole or not at all; otherwise as the code page.
    const QByteArray body = bytes.startsWith(byteOrderMark) ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return codepage::decode(body);
}

void forEachRecord(const QString& text, const TakeRecord& take) {
    Reader reader(text);
    reader.skipEmptyLines();
    while (!reader.atEnd()) {
        take(reader.next());
        reader.skipEmptyLines();
    }
}

int countRecords(const QString& text, int stopAfter) {
    Reader reader(text);
    int count = 0;
    reader.skipEmptyLines();
    while (!reader.atEnd() && count <= stopAfter) {
        reader.next();
        ++count;
        reader.skipEmptyLines();
    }
    return count;
}

QList<Record> parse(const QString& text) {
    QList<Record> records;
    forEachRecord(text, [&records](const Record& record) { records << record; });
    return records;
}

namespace {

constexpr qint64 lineBytes = 64 * 1024;

// The file's text a piece at a time: pieces end after a line feed (never inside a character in
// either encoding), and each is decoded alone.
class Pieces {
public:
    Pieces(QIODevice& file, qint64 limit, bool utf8)
        : m_file(file)
        , m_left(limit)
        , m_utf8(utf8) {}
    // The next piece of at least `least` bytes (up to a line feed), decoded; nothing at the end
    // or when it cannot be decoded.
    std::optional<QString> next(qint64 least) {
        QByteArray bytes = m_file.read(qMin(least, m_left));
        m_left -= bytes.size();
        if (bytes.isEmpty())
            return std::nullopt;
        // The rest of the line a little at a time: a read of the whole limit would take room
        // for all of it first.
        while (!bytes.endsWith('\n') && m_left > 0) {
            const QByteArray rest = m_file.readLine(qMin(m_left, lineBytes) + 1);
            if (rest.isEmpty())
                break;
            m_left -= rest.size();
            bytes += rest;
        }
        if (!m_started && bytes.startsWith(byteOrderMark))
            bytes.remove(0, byteOrderMark.size());
        m_started = true;
        std::optional<QString> text;
        if (m_utf8) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            text = utf8.decode(bytes);
            if (utf8.hasError())
                text.reset();
        } else {
            text = codepage::decode(bytes);
        }
        m_failed = !text;
        return text;
    }
    bool failed() const { return m_failed; }

private:
    QIODevice& m_file;
    qint64 m_left;
    bool m_utf8;
    bool m_started = false;
    bool m_failed = false;
};

constexpr qint64 pieceBytes = 1024 * 1024;

} // namespace

std::optional<FileEncoding> fileEncoding(QIODevice& file, qint64 limit) {
    const qint64 start = file.pos();
    for (const FileEncoding encoding : {FileEncoding::Utf8, FileEncoding::CodePage}) {
        file.seek(start);
        Pieces pieces(file, limit, encoding == FileEncoding::Utf8);
        while (pieces.next(pieceBytes)) {
        }
        file.seek(start);
        if (!pieces.failed())
            return encoding;
    }
    return std::nullopt;
}

bool forEachRecordOfFile(QIODevice& file, qint64 limit, FileEncoding encoding,
                         const TakeRecord& take) {
    Pieces pieces(file, limit, encoding == FileEncoding::Utf8);
    QString text; // a record cut off by the end of a piece is read again with the next
    int firstLine = 1;
    while (std::optional<QString> piece = pieces.next(qMax(pieceBytes, qint64(text.size()) * 2))) {
        text += *piece;
        const bool last = file.atEnd();
        Reader reader(text, firstLine);
        reader.skipEmptyLines();
        qsizetype kept = text.size();
        while (!reader.atEnd()) {
            const qsizetype start = reader.position();
            const int line = reader.line();
            const Record record = reader.next();
            if (reader.ranOutInQuote() && !last) {
                kept = start;
                firstLine = line;
                break;
            }
            take(record);
            reader.skipEmptyLines();
        }
        if (kept == text.size())
            firstLine = reader.line();
        text = text.mid(kept);
    }
    return !pieces.failed() && file.atEnd();
}

} // namespace csv
