#pragma once

#include "core/platform/services.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace bench {

// Answers every box with OK or Yes at once, so a measurement never waits for a person, and
// notes when the last box was answered.
class Unattended : public platform::Services {
public:
    void beep() override {}
    bool showBox(platform::BoxKind, const QString&, const QString& text) override {
        lastText = text;
        answered.start();
        return true;
    }
    void endAtOnce(int) override {}
    QDateTime now() override { return QDateTime::currentDateTime(); }
    QString chooseSaveFile(const QString&, const QString& suggestedPath, const QString&) override {
        return suggestedPath;
    }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override {
        return QString();
    }
    bool openUrl(const QUrl&) override { return false; }
    // The folder proposed, unless the measurement names one.
    QString chooseFolder(const QString&, const QString& folder) override {
        return chosenFolder.isEmpty() ? folder : chosenFolder;
    }
    int chooseOne(const QString&, const QString&, const QStringList&) override { return choice; }
    QString askText(const QString&, const QString&, const QString& proposed) override {
        return proposed;
    }
    QString documentsFolder() override { return documents; }

    QString chosenFolder;
    int choice = 0;
    QString documents; // set by the measurement to a folder of its own
    QElapsedTimer answered;
    QString lastText; // of the last box, to say why a measured command stopped
};

} // namespace bench
