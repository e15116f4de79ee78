#include "gui/platform/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

namespace platform {

void DesktopServices::beep() {
    QApplication::beep();
}

bool DesktopServices::showBox(BoxKind kind, const QString& title, const QString& text) {
    // Errors also go to the terminal, for a user who started the program from one.
    if (kind == BoxKind::Error)
        std::fprintf(stderr, "xw73d: %s\n", qUtf8Printable(text));
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (kind) {
    case BoxKind::Error:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case BoxKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    case BoxKind::Plain:
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return true;
}

void DesktopServices::endAtOnce(int exitCode) {
    std::_Exit(exitCode);
}

QDateTime DesktopServices::now() {
    return QDateTime::currentDateTime();
}

namespace {

// The suffix a filter such as "CSV files (*.csv)" names, or nothing for "All files (*)".
QString suffixOfFilter(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)\\)"));
    return pattern.match(filter).captured(1);
}

} // namespace

// A name typed without a suffix takes the one of the filter chosen, so that choosing "CSV files"
// and typing "records" writes records.csv; a name with its own suffix keeps it.
QString DesktopServices::chooseSaveFile(const QString& caption, const QString& suggestedPath,
                                        const QString& filter) {
    QFileDialog dialog(QApplication::activeWindow(), caption, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffixOfFilter(filter.section(QStringLiteral(";;"), 0, 0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& chosen) { dialog.setDefaultSuffix(suffixOfFilter(chosen)); });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DesktopServices::chooseOpenFile(const QString& caption, const QString& folder,
                                        const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString DesktopServices::chooseFolder(const QString& caption, const QString& folder) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, folder);
}

int DesktopServices::chooseOne(const QString& title, const QString& question,
                               const QStringList& choices) {
    bool chosen = false;
    const QString choice = QInputDialog::getItem(QApplication::activeWindow(), title, question,
                                                 choices, 0, false, &chosen);
    return chosen ? int(choices.indexOf(choice)) : -1;
}

QString DesktopServices::askText(const QString& title, const QString& label,
                                 const QString& proposed) {
    bool given = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, label,
                                               QLineEdit::Normal, proposed, &given);
    return given ? text : QString();
}

QString DesktopServices::documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents))
        return documents;
    return QDir::homePath();
}

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

bool DesktopServices::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace platform
