#pragma once

#include "core/platform/services.h"

#include <QList>
#include <QString>
#include <functional>

// Stands in for the message boxes, the beep, the process end, the clock and the file dialog:
// records every box with its title and text, answers confirmations from a script, notes an end
// of the program, tells the time it is set to, answers file dialogs from a queue and notes the
// pages and folders handed to the desktop.
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
    QString chooseSaveFile(const QString& caption, const QString&, const QString&) override {
        fileCaptions << caption;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QString chooseOpenFile(const QString& caption, const QString&, const QString&) override {
        return chooseSaveFile(caption, QString(), QString());
    }

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
    QStringList fileAnswers;  // chosen paths for the next file dialogs; cancelled when none left
    QStringList fileCaptions; // the captions of the file dialogs shown
    QList<QUrl> openedUrls;   // the pages and folders given to the desktop, in order
    bool desktopOpens = true; // whether the desktop has a program for them

private:
    platform::Services* m_previous = nullptr;
};
