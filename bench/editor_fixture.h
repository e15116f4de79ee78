#pragma once

#include "command_line.h"
#include "unattended_services.h"

#include "gui/records/record_editor.h"
#include "store/startup/run_state.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

// What every benchmark of the screens starts with: the offscreen platform unless another one is
// asked for, the command line (--records, --repeat), services that answer every box at once, and
// a working database of the asked number of generated records in a temporary folder.
namespace bench {

struct ScreenBench {
    Sizes sizes;
    Unattended services;
    QTemporaryDir folder;
    RunState state;

    // Opens the login connection with the password, as the login does.
    void openLogin();
    // Opens the login and the record editor as the employer screen's Continue does (return year
    // 2000, the name search linked); the editor is shown on its first record.
    std::unique_ptr<RecordEditor> openEditor();
};

// Runs measure on such a bench and returns the program's exit code.
int runScreenBench(int argc, char* argv[], const char* name,
                   const std::function<int(ScreenBench&)>& measure);

} // namespace bench
