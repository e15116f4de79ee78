#pragma once

#include "core/reports/page.h"
#include "core/startup/paths.h"
#include "core/submission/log_record.h"
#include "store/archive/archive.h"
#include "store/submission/control_list.h"
#include "store/submission/log_database.h"
#include "store/submission/medium_copy.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"
#include "support/submission_setup.h"

// A return of numbered example records saved onto a medium folder as the save does (built,
// imaged, logged, copied verified, work files removed), ready to be kept in its archive.
struct SavedReturn {
    static inline const QString password = QStringLiteral("qvz");
    static inline const QByteArray drawnList = QByteArrayLiteral("%PDF-1.4 the control list");
    // Stands in for the drawing of the control list, which needs the screens' painter.
    static QByteArray drawList(const report::Report& list) {
        return list.pageCount() > 0 ? drawnList : QByteArray();
    }

    explicit SavedReturn(int records) {
        setEmployer(db, exampleEmployer);
        Transaction adding(db.state.db());
        for (int sheet = 1; sheet <= records; ++sheet)
            db.addRecord(exampleRecord(QString::number(sheet), "NAME" + QString::number(sheet)));
        adding.commit();
        buildSubmission(db.state.db(), db.folder.path(), "2002");
        const QString built = db.folder.file(submissionFileName);
        writeReturnImage(built, db.folder.file("_a.txt"));
        writeLogDatabase(db.folder.path(), {built, db.folder.file("_a.txt"), target(), savedAt});
        mediumcopy::copySubmissionAndLog(built, db.folder.file(logFileName), target());
        deleteTempFiles(db.folder.path());
        QFile::remove(db.folder.file("_a.txt"));
    }
    QString target() const { return medium.file("12345678.MDB"); }
    QString keep(const QDateTime& at, const QString& key = password) const {
        return keep(at, key, drawList);
    }
    // The pair kept with the control list opened over it, as the save hands it on.
    QString keep(const QDateTime& at, const QString& key, const archive::PdfRenderer& draw) const {
        const auto list = ControlList::open(target(), logPathOnMedium(target()));
        return archive::keep(db.folder.path(), target(), *list, key, at, draw);
    }
    QString keep() const { return keep(savedAt); }
    QString archiveFolder() const { return db.folder.file(archive::folderName); }

    WorkingDatabase db;
    TempFolder medium;
    QDateTime savedAt{QDate(2002, 4, 30), QTime(9, 5, 7)};
};

// Changes a text inside a part kept in the entry (a name in the submission, a total in the
// log), through the engine, as a tool that has the password could. False when the text is not
// there once.
inline bool alterPart(const QString& entryFolder, archive::Part part, const QByteArray& before,
                      const QByteArray& after, const QString& password = SavedReturn::password) {
    Database entry =
        Database::open(QDir(entryFolder).filePath(archive::entryFileName), {.password = password});
    QByteArray bytes = archive::readPart(entry, part);
    if (bytes.count(before) != 1)
        return false;
    bytes.replace(before, after);
    entry.prepare(QStringLiteral("UPDATE parts SET bytes = ?1 WHERE part = ?2"))
        .bind(1, bytes)
        .bind(2, int(part))
        .run();
    return true;
}
