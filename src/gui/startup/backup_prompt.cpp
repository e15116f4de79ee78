#include "gui/startup/backup_prompt.h"

#include "gui/common/message_boxes.h"

#include <QObject>

bool goOnAfterBackup(const std::optional<QString>& failure) {
    if (!failure)
        return true;
    showError(*failure);
    return confirm(QObject::tr("Do you want to go on without a backup copy?"));
}
