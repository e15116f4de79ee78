// Copies a submission and its log onto the medium as the save does: copy_to_medium SUBMISSION
// LOG TARGET [STEP]. Given a step, it says "stopped" when the copy reaches it and waits there to
// be killed; otherwise it says "done" and the number of steps, or "error" and the description.
#include "core/common/engine_error.h"
#include "store/submission/medium_copy.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const int stopAt = argc > 4 ? std::atoi(argv[4]) : -1;
    int steps = 0;
    try {
        mediumcopy::copySubmissionAndLog(QString::fromLocal8Bit(argv[1]),
                                         QString::fromLocal8Bit(argv[2]),
                                         QString::fromLocal8Bit(argv[3]), [&](int) {
                                             if (++steps != stopAt)
                                                 return;
                                             std::puts("stopped");
                                             std::fflush(stdout);
                                             for (;;)
                                                 pause();
                                         });
    } catch (const EngineError& error) {
        std::printf("error %s\n", qPrintable(error.description()));
        return 1;
    }
    std::printf("done %d\n", steps);
    return 0;
}
