#pragma once

#include <QObject>
#include <QPointer>

struct RunState;
#include "employer/fSubInfo.h"

// Leads from the start-up through the login (and the password change) to the employer screen.
class Shell : public QObject {
    Q_OBJECT
public:
    explicit Shell(RunState& state, QObject* parent = nullptr);
    ~Shell() override;

    void start();
    fSubInfo* employerScreen() const { return m_employer; }

private:
    void showLogin(bool withDefaultPassword);
    void showPasswordChange();
    void showEmployerScreen();
    void showEditor();

    RunState& m_state;
    QPointer<fSubInfo> m_employer;
};
