#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

// A real file system on a loop device, mounted on a temporary folder: a medium that fills up,
// can be made read-only and whose reads can be counted. It needs root and a free loop device;
// where they cannot be had, isValid() is false and the test skips. Given a mount point (where a
// desktop mounts removable media), it is made and removed again.
class LoopMedium {
public:
    explicit LoopMedium(int megabytes = 16, const QString& mountPoint = QString()) {
        const QString image = m_dir.filePath(QStringLiteral("medium.img"));
        m_ownMountPoint = !mountPoint.isEmpty();
        m_mountPoint = m_ownMountPoint ? mountPoint : m_dir.filePath(QStringLiteral("medium"));
        QFile file(image);
        if (!m_dir.isValid() || !QDir().mkpath(m_mountPoint) || !file.open(QIODevice::WriteOnly) ||
            !file.resize(qint64(megabytes) << 20))
            return;
        file.close();
        QString device;
        if (!run("mkfs.ext2", {"-q", "-F", "-m", "0", image}) ||
            !run("losetup", {"--find", "--show", image}, &device))
            return;
        m_device = device.trimmed();
        m_mounted = run("mount", {m_device, m_mountPoint});
    }
    ~LoopMedium() {
        if (m_mounted)
            run("umount", {m_mountPoint});
        if (!m_device.isEmpty())
            run("losetup", {"-d", m_device});
        if (m_ownMountPoint)
            QDir().rmdir(m_mountPoint);
    }
    LoopMedium(const LoopMedium&) = delete;
    LoopMedium& operator=(const LoopMedium&) = delete;

    bool isValid() const { return m_mounted; }
    QString path() const { return m_mountPoint; }
    QString file(const QString& name) const { return QDir(m_mountPoint).filePath(name); }
    bool makeReadOnly() { return run("mount", {"-o", "remount,ro", m_mountPoint}); }

    // The sectors read from the device so far, as the kernel counts them.
    qint64 sectorsRead() const {
        QFile stat(QStringLiteral("/sys/block/%1/stat").arg(QFileInfo(m_device).fileName()));
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        const QList<QByteArray> fields = stat.readAll().simplified().split(' ');
        return fields.size() > 2 ? fields[2].toLongLong() : -1;
    }

private:
    static bool run(const QString& program, const QStringList& arguments, QString* out = nullptr) {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return false;
        if (out)
            *out = QString::fromLocal8Bit(process.readAllStandardOutput());
        return true;
    }

    QTemporaryDir m_dir;
    QString m_mountPoint;
    QString m_device;
    bool m_ownMountPoint = false;
    bool m_mounted = false;
};
