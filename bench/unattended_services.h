#pragma once

#include "platform/services.h"

#include <QElapsedTimer>

namespace bench {

// Answers every box with OK or Yes at once, so a measurement never waits for a person, and
// notes when the last box was answered.
class Unattended : public platform::Services {
public:
    void beep() override {}
    bool showBox(platform::BoxKind, const QString&, const QString&) override {
        answered.start();
        return true;
    }
    void endAtOnce(int) override {}
    QString chooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }

    QElapsedTimer answered;
};

} // namespace bench
