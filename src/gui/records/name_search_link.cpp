#include "gui/records/name_search_link.h"

#include "gui/records/name_search_window.h"
#include "gui/records/record_editor.h"

#include <QPointer>
#include <memory>

namespace {

// The window lives as the editor's child; a new one is made each time the command is pressed.
using WindowSlot = std::shared_ptr<QPointer<NameSearchWindow>>;

void openWindow(RecordEditor& editor, const WindowSlot& slot) {
    if (*slot) {
        (*slot)->close();
        delete slot->data();
    }
    auto* window = new NameSearchWindow([&editor] { return editor.records().names(); }, &editor);
    QObject::connect(window, &NameSearchWindow::nameChosen, &editor,
                     &RecordEditor::showRecordNamed);
    *slot = window;
    window->show();
    window->activateWindow();
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
