#pragma once

#include <QWidget>

struct RunState;

// "Common data for XW73D records": the employer's common data, shown after the login.
class fSubInfo : public QWidget {
    Q_OBJECT
public:
    explicit fSubInfo(RunState& state, QWidget* parent = nullptr);

private:
    RunState& m_state;
};
