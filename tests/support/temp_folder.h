#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test.
class TempFolder {
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

// Creates empty files of these names in a folder; false when one cannot be created.
inline bool createFiles(const QString& folder, const QStringList& names) {
    for (const QString& name : names)
        if (!QFile(QDir(folder).filePath(name)).open(QIODevice::WriteOnly))
            return false;
    return true;
}

// The names of the files and folders in a folder, in order.
inline QStringList entriesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// The MD5 of a file's bytes, to show that a file was left exactly as it was. Not called
// fileDigest: the log code has a function of that name and signature, and the linker would
// silently take one for the other.
inline QByteArray md5OfFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5);
}
