#include "gui/submission/medium_preparation.h"

#include "core/submission/save_rules.h"
#include "gui/common/message_boxes.h"
#include "store/submission/save_flow.h"

saveflow::Outcome prepareMedium(const QString& target, const QString& mediumFolder) {
    const saveflow::MediumContents medium = saveflow::inspectMedium(target, mediumFolder);
    if (medium.blank)
        return {};
    if (medium.leftovers.isEmpty() ||
        !confirm(saverules::interruptedSaveQuestion(medium.leftovers)))
        return saveflow::mediumNotBlank();
    return saveflow::removeLeftovers(mediumFolder, medium.leftovers);
}
