#include "gui/records/record_list_link.h"

#include "core/platform/settings.h"
#include "gui/common/message_boxes.h"
#include "gui/records/record_editor.h"
#include "gui/records/record_list_panel.h"
#include "store/records/record_set.h"
#include "store/startup/run_state.h"

#include <QAction>
#include <QMenu>
#include <QSplitter>

namespace {

const QString hiddenKey = QStringLiteral("recordList/hidden");
constexpr char toggleName[] = "recordListToggle";

// Shows the record with this key, as the record control would move to it; a first match found
// while a record is being edited is left alone without a beep.
void showRecordWithKey(RecordEditor& editor, qint64 rowId, bool beepWhenRefused) {
    if (!beepWhenRefused && editor.commandState() != CommandState::Browsing)
        return;
    runReportingErrors([&editor, rowId] {
        editor.showFoundRecord([rowId](RecordSet& records) { return records.moveToKey(rowId); });
    });
}

// The shown record's key and place in the record set, or -1 without one (a new record).
std::pair<qint64, int> shownRecord(RecordEditor& editor) {
    const RecordSet& records = editor.records();
    if (records.editMode() == EditMode::Add || records.isBof() || records.isEof() ||
        editor.isNoRecordMode())
        return {-1, -1};
    return {records.currentKey(), records.position()};
}

void follow(RecordEditor& editor, RecordListPanel* panel) {
    const auto [rowId, place] = shownRecord(editor);
    panel->followRecord(rowId, place);
}

QAction* makeToggle(RecordEditor& editor, RecordListPanel* panel, QSplitter* splitter) {
    auto* toggle = new QAction(RecordListPanel::tr("Record &List"), &editor);
    toggle->setObjectName(QLatin1String(toggleName));
    toggle->setCheckable(true);
    toggle->setShortcut(Qt::Key_F9);
    toggle->setShortcutContext(Qt::WindowShortcut);
    editor.addAction(toggle);
    // In the Record menu, after Find, which shows the list as well.
    if (auto* find = editor.findChild<QAction*>(QStringLiteral("actionFind")))
        for (QObject* menu : find->associatedObjects())
            if (auto* records = qobject_cast<QMenu*>(menu)) {
                const QList<QAction*> items = records->actions();
                records->insertAction(items.value(items.indexOf(find) + 1), toggle);
            }
    QObject::connect(toggle, &QAction::toggled, panel, [panel, splitter](bool shown) {
        panel->setVisible(shown);
        if (shown && splitter->sizes().value(0) == 0) // dragged shut before
            splitter->setSizes({panel->sizeHint().width(), splitter->width()});
        platform::settings().setValue(hiddenKey, !shown);
    });
    // Dragging the splitter shut hides the list as the action does.
    QObject::connect(splitter, &QSplitter::splitterMoved, toggle, [toggle, splitter] {
        if (splitter->sizes().value(0) == 0)
            toggle->setChecked(false);
    });
    toggle->setChecked(!platform::settings().value(hiddenKey).toBool());
    panel->setVisible(toggle->isChecked());
    return toggle;
}

} // namespace

void linkRecordList(RecordEditor& editor) {
    auto* panel = new RecordListPanel(editor.runState().db());
    QSplitter* splitter = editor.placeBesidePages(panel);
    QAction* toggle = makeToggle(editor, panel, splitter);
    const auto reload = [&editor, panel] {
        panel->reload();
        follow(editor, panel);
    };
    QObject::connect(&editor, &RecordEditor::recordsChanged, panel, reload);
    QObject::connect(&editor, &RecordEditor::recordSaved, panel, reload);
    QObject::connect(&editor, &RecordEditor::recordRemoved, panel, reload);
    QObject::connect(&editor, &RecordEditor::recordShown, panel,
                     [&editor, panel] { follow(editor, panel); });
    QObject::connect(&editor, &RecordEditor::findRequested, panel, [panel, toggle] {
        toggle->setChecked(true);
        panel->focusFilter();
    });
    QObject::connect(panel, &RecordListPanel::recordChosen, &editor, [&editor, panel](qint64 id) {
        showRecordWithKey(editor, id, true);
        follow(editor, panel); // a refused move leaves the shown record selected
    });
    QObject::connect(panel, &RecordListPanel::firstMatchFound, &editor,
                     [&editor](qint64 id) { showRecordWithKey(editor, id, false); });
    reload();
}

QAction* recordListToggle(RecordEditor& editor) {
    return editor.findChild<QAction*>(QLatin1String(toggleName));
}
