#pragma once

#include "store/common/database.h"

#include <QString>
#include <optional>

// What the program holds for the whole run. The login connection is the one open of the working
// database; every screen works through it.
struct RunState {
    QString programFolder;
    QString requestedMedium; // --medium; without it the medium is looked up at each save
    std::optional<Database> login;
    QString loginPassword;
    // The start-up made the working database in this run (a first start or a conversion).
    bool madeWorkingDatabase = false;
    QString imagePath;

    Database& db() { return *login; }
};
