#pragma once

#include "core/platform/services.h"

#include <QList>
#include <QString>
#include <functional>

// Stands in for the message boxes, the beep, the process end, the clock and the file dialog:
// records every box with its title and text, answers confirmations from a script, notes an end
// of the program, tells the time it is set to, answers file and folder dialogs and choices from
// queues, and notes the pages and folders handed to the desktop.
class ScriptedServices : public platform::Services {
public:
    struct Box {
        platform::BoxKind kind;
        QString title;
        QString text;
    };

    ScriptedServices() { m_previous = platform::setServices(this); }
    ~ScriptedServices() override { platform::setServices(m_previous); }
    ScriptedServices(const ScriptedServices&) = delete;
    ScriptedServices& operator=(const ScriptedServices&) = delete;

    void beep() override { ++beeps; }
    bool showBox(platform::BoxKind kind, const QString& title, const QString& text) override {
        boxes.append({kind, title, text});
        if (onBox)
            onBox(boxes.last());
        if (kind != platform::BoxKind::Confirmation)
            return true;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    void endAtOnce(int exitCode) override {
        ended = true;
        this->exitCode = exitCode;
    }
    QDateTime now() override { return clock; }
    QString chooseSaveFile(const QString& caption, const QString& suggestedPath,
                           const QString& filter) override {
        fileCaptions << caption;
        proposedFiles << suggestedPath;
        fileFilters << filter;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QString chooseOpenFile(const QString& caption, const QString&, const QString&) override {
        return chooseSaveFile(caption, QString(), QString());
    }
    QString chooseFolder(const QString& caption, const QString& folder) override {
        fileCaptions << caption;
        proposedFolders << folder;
        return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
    }
    int chooseOne(const QString& title, const QString& question,
                  const QStringList& choices) override {
        questions << title + u'\n' + question + u'\n' + choices.join(u'\n');
        return choiceAnswers.isEmpty() ? -1 : choiceAnswers.takeFirst();
    }
    QString askText(const QString& title, const QString& label, const QString&) override {
        questions << title + u'\n' + label;
        return textAnswers.isEmpty() ? QString() : textAnswers.takeFirst();
    }
    QString documentsFolder() override { return documents; }

    bool openUrl(const QUrl& url) override {
        openedUrls << url;
        return desktopOpens;
    }

    QStringList texts() const {
        QStringList all;
        for (const Box& box : boxes)
            all << box.text;
        return all;
    }
    QString lastText() const { return boxes.isEmpty() ? QString() : boxes.last().text; }
    void clear() {
        boxes.clear();
        beeps = 0;
    }

    QList<Box> boxes;
    QList<bool> answers; // answers to the next confirmations, in order; No when none is left
    std::function<void(const Box&)> onBox; // runs while the box is "open"
    int beeps = 0;
    bool ended = false;
    int exitCode = -1;
    QDateTime clock{QDate(2001, 5, 1), QTime(10, 30)}; // what now() answers
    QStringList fileAnswers;     // chosen paths for the next file dialogs; cancelled when none left
    QStringList fileCaptions;    // the captions of the file dialogs shown
    QStringList proposedFiles;   // the paths the file dialogs proposed
    QStringList fileFilters;     // the filters the save dialogs offered
    QStringList folderAnswers;   // chosen folders for the next folder dialogs; cancelled when none
    QStringList proposedFolders; // the folders the folder dialogs started in
    QList<int> choiceAnswers;    // the choices taken, in order; cancelled when none is left
    QStringList textAnswers;     // the texts given to the next questions; cancelled when none
    QStringList questions;       // each choice asked: title, question and choices, one a line
    QString documents;           // the user's documents folder, a temporary one in a test
    QList<QUrl> openedUrls;      // the pages and folders given to the desktop, in order
    bool desktopOpens = true;    // whether the desktop has a program for them

private:
    platform::Services* m_previous = nullptr;
};
