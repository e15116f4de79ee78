#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
struct RunState;

// "Converting Database": the program's first screen. Its load is the start-up: it makes sure a
// current working database exists and then asks for the login.
class fConvert : public QDialog {
    Q_OBJECT
public:
    explicit fConvert(RunState& state, QWidget* parent = nullptr);

    QLabel* Label1;
    QProgressBar* ProgressBar1;

    void load();

signals:
    // The login follows; with the default password filled in and pressed when the database was
    // just created or carries no password.
    void loginRequired(bool withDefaultPassword);

private:
    RunState& m_state;
};
