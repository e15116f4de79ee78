#include "core/submission/digest.h"

#include <QCryptographicHash>
#include <QFile>

FileDigest fileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {digestfailure::cannotOpen, QString()};
    QCryptographicHash hash(QCryptographicHash::Md5);
    constexpr qint64 chunkSize = 1 << 16;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(chunkSize);
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
            return {digestfailure::cannotRead, QString()};
        hash.addData(chunk);
    }
    if (file.error() != QFileDevice::NoError)
        return {digestfailure::cannotRead, QString()};
    return {0, QString::fromLatin1(hash.result().toHex())};
}
