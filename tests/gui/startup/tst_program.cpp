// The program as a user starts it, in a process of its own on the offscreen platform.
#include "core/common/files.h"
#include "store/common/schema.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <QProcess>
#include <QTest>

namespace {

// What the program has written to the terminal once the text is there, or when it stops writing.
QByteArray terminalText(QProcess& program, const QByteArray& text) {
    program.setReadChannel(QProcess::StandardError);
    QByteArray said;
    while (!said.contains(text) && program.waitForReadyRead(10000))
        said += program.readAllStandardError();
    return said;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void programReportsAFileSizeLimitAsAFullDisk();
    void programFolderThatCannotBeMadeIsShown();
};

// Under a file-size limit the program stays up and reports the full disk (the box also goes to
// the terminal) instead of being killed by the limit's signal.
void TestProgram::programReportsAFileSizeLimitAsAFullDisk() {
    TempFolder folder;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    startLimited(program, QStringLiteral(XW73D_PROGRAM), {"--data-dir", folder.path()}, 2048);
    const QByteArray said = terminalText(program, "There is not enough space on the disk");
    QCOMPARE(program.state(), QProcess::Running); // the error box waits for the user
    program.kill();
    program.waitForFinished(10000);
    QVERIFY2(said.contains("There is not enough space on the disk"), said.constData());
    QVERIFY(!files::exists(folder.path(), schema::workingFile));
}

// A --data-dir that cannot be made is told in the error box, not only on the terminal.
void TestProgram::programFolderThatCannotBeMadeIsShown() {
    TempFolder folder;
    writeFile(folder.file("plain-file"), "x");
    const QString wanted = folder.file("plain-file/program");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(XW73D_PROGRAM), {"--data-dir", wanted});
    const QByteArray expected =
        QString("The program folder '%1' cannot be created.").arg(wanted).toLocal8Bit();
    const QByteArray said = terminalText(program, expected);
    QVERIFY(!program.waitForFinished(300)); // the error box waits for the user
    program.kill();
    program.waitForFinished(10000);
    QVERIFY2(said.contains(expected), said.constData());
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
