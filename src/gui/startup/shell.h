#pragma once

#include "gui/employer/employer_screen.h"

#include <QObject>
#include <QPointer>

struct RunState;
class RecordEditor;

// Leads from the start-up through the login (and the password change) to the employer screen,
// and from one return of the workspace to another: the list of returns, a new return, next
// year's return and the switch, which ends the run in one return as Quit does and starts the
// other's start-up and login without ending the process.
class Shell : public QObject {
    Q_OBJECT
public:
    // Without a workspace folder the run knows only its own program folder (the tests' runs).
    explicit Shell(RunState& state, QString workspaceFolder = {}, QString userProgramFolder = {},
                   QObject* parent = nullptr);
    ~Shell() override;

    // The run in the state's program folder.
    void start();
    // The list of returns first; with a return open, over its editor.
    void showReturns();

private:
    void showLogin(bool withDefaultPassword);
    void showPasswordChange();
    void showEmployerScreen();
    void showEditor(const EmployerData& employerData);
    // The windows name the return after their own captions, as its summary knows it.
    void nameReturnIn(QWidget* window) const;

    // What the list chose, run after the list has closed.
    void openReturn(const QString& folder);
    void newReturn();
    void nextYearFrom(const QString& folder);
    // Next year's return from the return logged in; offers to open it.
    void makeNextYear();
    // A folder name for a new return, proposed and checked; empty when the user cancels.
    QString askReturnName(const QString& proposed);
    // Ends the run in the return that is open as Quit does, without ending the process; false
    // when the user keeps unsaved typing.
    bool endCurrentRun();
    void switchTo(const QString& folder);
    // While one return's windows close and the next one's open, the program has no window.
    void holdRun();
    void releaseRun();
    void recordSummary();
    static void rememberOpened(const QString& folder);
    QStringList takenNames() const;

    RunState& m_state;
    QString m_workspaceFolder;
    QString m_userProgramFolder;
    QPointer<EmployerScreen> m_employer;
    QPointer<RecordEditor> m_editor;
    bool m_nextYearAfterLogin = false;
};
