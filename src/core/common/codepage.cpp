#include "core/common/codepage.h"

#include "core/common/engine_error.h"

#include <QObject>

#include <algorithm>
#include <iconv.h>

namespace codepage {
namespace {

class Converter {
public:
    Converter(const char* to = "BIG5-HKSCS", const char* from = "UTF-8")
        : m_handle(iconv_open(to, from)) {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw EngineError(engine::LibraryNotLoaded,
                              QObject::tr("The system's Big5-HKSCS conversion is not "
                                          "available."));
    }
    ~Converter() { iconv_close(m_handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<QByteArray> convert(QByteArrayView utf8) {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        // Either way a character at most doubles its bytes (two code-page bytes can need four).
        QByteArray out(utf8.size() * 2 + 8, Qt::Uninitialized);
        char* in = const_cast<char*>(utf8.constData());
        size_t inLeft = static_cast<size_t>(utf8.size());
        char* outPtr = out.data();
        size_t outLeft = static_cast<size_t>(out.size());
        if (iconv(m_handle, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
            return std::nullopt;
        // Flush any pending shift state (the encoding composes a few character pairs).
        if (iconv(m_handle, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1))
            return std::nullopt;
        out.truncate(out.size() - static_cast<qsizetype>(outLeft));
        return out;
    }

private:
    iconv_t m_handle;
};

} // namespace

std::optional<QByteArray> encode(const QString& text) {
    // A lone surrogate is no character at all; the conversion to UTF-8 would turn it into "?".
    if (!QStringView(text).isValidUtf16())
        return std::nullopt;
    // The code page keeps ASCII as it is, and most of a return is ASCII: no conversion needed.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLatin1();
    thread_local Converter converter;
    return converter.convert(text.toUtf8());
}

namespace {
bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}
} // namespace

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return isControl(c.unicode()); });
}

int byteLength(const QString& text) {
    if (hasControlCharacter(text))
        return -1;
    // ASCII is one byte a character: counted without converting, as most texts are.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return static_cast<int>(text.size());
    const auto bytes = encode(text);
    return bytes ? static_cast<int>(bytes->size()) : -1;
}

int utf8ByteLength(QByteArrayView utf8) {
    // C0 and DEL are single bytes; C1 is 0xC2 followed by 0x80 to 0x9F.
    for (qsizetype at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x20 || byte == 0x7F ||
            (byte == 0xC2 && at + 1 < utf8.size() &&
             static_cast<unsigned char>(utf8[at + 1]) <= 0x9F))
            return -1;
    }
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; }))
        return static_cast<int>(utf8.size());
    thread_local Converter converter;
    const auto bytes = converter.convert(utf8);
    return bytes ? static_cast<int>(bytes->size()) : -1;
}

bool canEncode(const QString& text) {
    return byteLength(text) >= 0;
}

std::optional<QString> decode(const QByteArray& bytes) {
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; }))
        return QString::fromLatin1(bytes);
    thread_local Converter converter("UTF-8", "BIG5-HKSCS");
    const std::optional<QByteArray> utf8 = converter.convert(bytes);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

} // namespace codepage
