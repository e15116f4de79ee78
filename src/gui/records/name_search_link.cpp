#include "gui/records/name_search_link.h"

#include "gui/common/message_boxes.h"
#include "gui/records/name_search_window.h"
#include "gui/records/record_editor.h"
#include "gui/widgets/widgets.h"
#include "store/records/record_set.h"

#include <QPointer>
#include <memory>

namespace {

// The window lives as the editor's child; a new one is made each time the command is pressed.
using WindowSlot = std::shared_ptr<QPointer<NameSearchWindow>>;

// Shows the first record with these names, if any; a pending edit is finished with Update or
// Cancel first.
void showRecordNamed(RecordEditor& editor, const QString& surname,
                     const std::optional<QString>& firstName) {
    try {
        editor.showFoundRecord(
            [&](RecordSet& records) { return records.findFirstByName(surname, firstName); });
    } catch (const EngineError& error) {
        // Not the engine's own text: a quote in the name gets advice instead.
        showError(nameSearchFailure(error, surname));
    }
}

void openWindow(RecordEditor& editor, const WindowSlot& slot) {
    if (*slot) {
        (*slot)->close();
        delete slot->data();
    }
    auto* window = new NameSearchWindow([&editor] { return editor.records().names(); }, &editor);
    QObject::connect(window, &NameSearchWindow::nameChosen, &editor,
                     [&editor](const QString& surname, const std::optional<QString>& firstName) {
                         showRecordNamed(editor, surname, firstName);
                     });
    *slot = window;
    widgets::showInFront(window);
}

NameSearchWindow* visibleWindow(const WindowSlot& slot) {
    return *slot && (*slot)->isVisible() ? slot->data() : nullptr;
}

// A visible list follows a change at once; a hidden one is read again when next activated.
template <class Change>
auto follow(const WindowSlot& slot, void (NameSearchWindow::*apply)(const Change&)) {
    return [slot, apply](const Change& change) {
        if (NameSearchWindow* window = visibleWindow(slot))
            (window->*apply)(change);
        else if (*slot)
            (*slot)->markStale();
    };
}

} // namespace

void linkNameSearch(RecordEditor& editor) {
    const auto slot = std::make_shared<QPointer<NameSearchWindow>>();
    QObject::connect(&editor, &RecordEditor::nameSearchRequested, &editor,
                     [&editor, slot] { openWindow(editor, slot); });
    // A hidden list is rebuilt when its window is next activated.
    QObject::connect(&editor, &RecordEditor::recordsChanged, &editor, [slot] {
        if (NameSearchWindow* window = visibleWindow(slot))
            window->refresh();
        else if (*slot)
            (*slot)->markStale();
    });
    QObject::connect(&editor, &RecordEditor::recordSaved, &editor,
                     follow(slot, &NameSearchWindow::applyChange));
    QObject::connect(&editor, &RecordEditor::recordRemoved, &editor,
                     follow(slot, &NameSearchWindow::removeEntry));
    QObject::connect(&editor, &RecordEditor::closed, &editor, [slot] {
        if (*slot)
            (*slot)->close();
    });
}
