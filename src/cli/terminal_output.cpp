#include "cli/terminal_output.h"

namespace cli {

QString terminalSafe(const QString& text) {
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\n' || !(code < 0x20 || (code >= 0x7F && code <= 0x9F)))
            safe += c;
        else
            safe += QStringLiteral("\\x") +
                    QString::number(int(code), 16).toUpper().rightJustified(2, u'0');
    }
    return safe;
}

TerminalDevice::TerminalDevice(std::FILE* stream)
    : m_stream(stream) {
    open(QIODevice::WriteOnly);
}

qint64 TerminalDevice::readData(char*, qint64) {
    return -1;
}

qint64 TerminalDevice::writeData(const char* data, qint64 size) {
    const QByteArray safe = terminalSafe(m_decoder.decode(QByteArrayView(data, size))).toUtf8();
    if (std::fwrite(safe.constData(), 1, std::size_t(safe.size()), m_stream) !=
            std::size_t(safe.size()) ||
        std::fflush(m_stream) != 0)
        return -1;
    return size;
}

TerminalStream::TerminalStream(std::FILE* stream)
    : m_device(stream)
    , m_text(&m_device) {}

} // namespace cli
