#pragma once

#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <QTextStream>
#include <cstdio>

namespace cli {

// A text as a terminal may show it: every control character but the line feed (C0, DEL and C1)
// is written as a visible escape such as \x1B, so that a value read from a file or a record can
// neither move the cursor, clear the screen nor send the terminal a command.
QString terminalSafe(const QString& text);

// The verbs' standard output or error stream, everything written to it passed through
// terminalSafe on the way.
class TerminalDevice : public QIODevice {
public:
    explicit TerminalDevice(std::FILE* stream);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    std::FILE* m_stream;
    QStringDecoder m_decoder{QStringDecoder::Utf8}; // keeps a character split between writes
};

// A text stream over a TerminalDevice, for one verb's run.
class TerminalStream {
public:
    explicit TerminalStream(std::FILE* stream);
    QTextStream& stream() { return m_text; }

private:
    TerminalDevice m_device;
    QTextStream m_text;
};

} // namespace cli
