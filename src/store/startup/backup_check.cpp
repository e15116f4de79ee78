#include "store/startup/backup_check.h"

#include <QList>
#include <QMutex>
#include <QPromise>
#include <QThread>
#include <memory>

namespace backups {
namespace {

QMutex pendingLock;
QList<QFuture<CheckOutcome>> pending;

} // namespace

QFuture<CheckOutcome> startCheck(std::function<CheckOutcome()> check) {
    auto promise = std::make_shared<QPromise<CheckOutcome>>();
    QFuture<CheckOutcome> outcome = promise->future();
    promise->start();
    QThread* worker = QThread::create([promise, check = std::move(check)] {
        promise->addResult(check());
        promise->finish();
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    {
        const QMutexLocker locker(&pendingLock);
        pending.removeIf([](const QFuture<CheckOutcome>& ended) { return ended.isFinished(); });
        pending << outcome;
    }
    worker->start();
    return outcome;
}

void waitForChecks() {
    QList<QFuture<CheckOutcome>> running;
    {
        const QMutexLocker locker(&pendingLock);
        running.swap(pending);
    }
    for (QFuture<CheckOutcome>& check : running)
        check.waitForFinished();
}

} // namespace backups
