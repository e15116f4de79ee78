#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The program's fixed legacy code page, Big5-HKSCS. Length limits of free-text columns count
// bytes in it (a Chinese character takes two), and the return text image is written in it.
namespace codepage {

// The text in the code page, or nothing when some character cannot be encoded.
std::optional<QByteArray> encode(const QString& text);

// Byte length in the code page, or -1 when some character cannot be encoded or is a control
// character (C0, DEL or C1): no field takes a line break or a tab, and a stored text must reach
// the text image, a spreadsheet and a terminal as the plain text it shows on screen.
int byteLength(const QString& text);

// byteLength of a text given as UTF-8 bytes, for checking many stored values without making
// strings of them; -1 also for bytes that are not valid UTF-8.
int utf8ByteLength(QByteArrayView utf8);

bool canEncode(const QString& text);
bool hasControlCharacter(const QString& text);

// Text written in the code page, or nothing when the bytes are not valid in it.
std::optional<QString> decode(const QByteArray& bytes);

} // namespace codepage
