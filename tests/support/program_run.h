#pragma once

#include "gui/startup/shell.h"
#include "store/startup/run_state.h"
#include "support/hold_check.h"
#include "support/screens.h"
#include "support/scripted_services.h"

#include <QList>
#include <memory>

// One run of the program in the given program folder, from the start-up on, with stand-in
// services that answer the confirmations given, in order.
struct ProgramRun {
    explicit ProgramRun(const QString& folder, const QList<bool>& answers = {}) {
        services.answers = answers;
        state.programFolder = folder;
        shell = std::make_unique<Shell>(state);
        shell->start();
    }
    ~ProgramRun() {
        checkStillHeld(state);
        closeAllScreens();
        shell.reset();
        state.login.reset();
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    ScriptedServices services;
    RunState state;
    std::unique_ptr<Shell> shell;
};
