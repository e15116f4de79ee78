#pragma once

#include "core/records/command_state.h"

#include <QWidget>

class QPushButton;

// The record editor's commands, one signal each. Which are enabled follows the command state;
// the bar decides nothing else.
class CommandBar : public QWidget {
    Q_OBJECT
public:
    explicit CommandBar(QWidget* parent = nullptr);

    void apply(CommandState state);
    // While a save runs, the commands that change records are off.
    void setSaving(bool saving, CommandState state);
    void setQuitCaption(bool browsing);
    QWidget* firstCommand() const;
    // A command's button by its object name ("cUpdate"): the menu runs it and follows it.
    QPushButton* command(const char* name) const;

signals:
    void newRecordPressed();
    void updatePressed();
    void deletePressed();
    void quitOrCancelPressed();
    void nameSearchPressed();
    void sortPressed();
    void printPressed();
    void printAllPressed();
    void saveToMediumPressed();
    void checkAllPressed();
    void importPressed();
    void exportPressed();
    void exportTemplatePressed();
    // "&Quit" became "&Cancel" or back: the same button now runs the other command.
    void quitCaptionChanged();

private:
    QPushButton* add(const char* name, const QString& caption, void (CommandBar::*pressed)());
};
