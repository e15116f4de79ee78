#pragma once

#include "core/records/name_list.h"

#include <QWidget>
#include <functional>
#include <optional>

struct NameChange;

class NameTreeModel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;

// The "Name Search" window (object name "fNameSearch"): every employee under the initial letter
// of the surname, read from the names provider when the window is first activated and again
// when the records have changed since. Choosing a name (a click, or Enter on it) emits it;
// whoever opened the window shows that record. A type-in box above the outline jumps to the
// first name that begins with what is typed; the arrow keys walk letters and names.
class NameSearchWindow : public QWidget {
    Q_OBJECT
public:
    using NamesProvider = std::function<QList<NameEntry>()>;

    explicit NameSearchWindow(NamesProvider names, QWidget* parent = nullptr);

    // Reads the names again and shows every letter that has names opened.
    void refresh();
    // The records changed while the window was hidden: the next activation reads them again.
    void markStale() { m_stale = true; }
    // Takes a deleted record's entry out of the list.
    void removeEntry(const NameEntry& names);
    // Moves a saved record's entry to its new place (or adds it), as a rebuild would show it.
    void applyChange(const NameChange& change);

signals:
    void nameChosen(const QString& surname, const std::optional<QString>& firstName);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScreen();
    void fillNameList();
    void expandNameList();
    void chooseName(const QModelIndex& index);
    void toggle(const QModelIndex& index);
    void jumpToTyped(const QString& text);
    bool enterPressed();

    NamesProvider m_names;
    NameTreeModel* m_model;
    QLineEdit* m_findEdit;
    QTreeView* m_nameTree;
    QPushButton* m_exitButton;
    bool m_stale = true;
    // Surnames last reported without other names; the same report does not come twice in a row.
    QStringList m_reportedWithoutFirstName;
};
