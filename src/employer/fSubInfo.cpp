#include "employer/fSubInfo.h"

#include "startup/run_state.h"

fSubInfo::fSubInfo(RunState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fSubInfo"));
    setWindowTitle(QStringLiteral("Common data for XW73D records"));
}
