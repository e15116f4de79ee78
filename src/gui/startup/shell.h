#pragma once

#include "gui/employer/employer_screen.h"

#include <QObject>
#include <QPointer>

struct RunState;

// Leads from the start-up through the login (and the password change) to the employer screen.
class Shell : public QObject {
    Q_OBJECT
public:
    explicit Shell(RunState& state, QObject* parent = nullptr);
    ~Shell() override;

    void start();

private:
    void showLogin(bool withDefaultPassword);
    void showPasswordChange();
    void showEmployerScreen();
    void showEditor(const EmployerData& employerData);

    RunState& m_state;
    QPointer<EmployerScreen> m_employer;
};
