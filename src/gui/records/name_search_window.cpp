#include "gui/records/name_search_window.h"

#include "gui/common/message_boxes.h"
#include "gui/platform/window_place.h"
#include "gui/widgets/widgets.h"
#include "store/records/record_set.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// A name item keeps its record's row key and the length of the surname in its text, so that the
// record's place in name order can be told from the item alone.
constexpr int rowIdRole = Qt::UserRole;
constexpr int surnameLengthRole = Qt::UserRole + 1;

QTreeWidgetItem* nameItem(const NameEntry& names) {
    auto* item = new QTreeWidgetItem(QStringList{nameEntryText(names)});
    item->setData(0, rowIdRole, names.rowId);
    item->setData(0, surnameLengthRole, names.surname.toString().size());
    return item;
}

NameEntry namesOf(const QTreeWidgetItem* item) {
    const QString text = item->text(0);
    const int surnameLength = item->data(0, surnameLengthRole).toInt();
    return {text.left(surnameLength), text.mid(surnameLength + 2),
            item->data(0, rowIdRole).toLongLong()};
}

} // namespace

NameSearchWindow::NameSearchWindow(NamesProvider names, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_names(std::move(names)) {
    setObjectName(QStringLiteral("fNameSearch"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QStringLiteral("Name Search"));
    m_nameTree = widgets::named(new QTreeWidget(this), "Outline1");
    m_nameTree->setHeaderHidden(true);
    m_nameTree->setColumnCount(1);
    m_nameTree->setAccessibleName(tr("Employees by initial letter"));
    m_nameTree->setUniformRowHeights(true);
    m_nameTree->setExpandsOnDoubleClick(false); // the double-click handler toggles it
    m_nameTree->installEventFilter(this);
    m_exitButton = widgets::button(this, "cExit", QStringLiteral("&Exit"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_nameTree, 1);
    layout->addWidget(m_exitButton, 0, Qt::AlignHCenter);
    platform::keepWindowPlace(this, objectName(), QSize(300, 420), platform::PlaceSide::Beside);

    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_nameTree, &QTreeWidget::itemClicked, this, &NameSearchWindow::chooseName);
    connect(m_nameTree, &QTreeWidget::itemDoubleClicked, this, &NameSearchWindow::toggle);
    for (auto signal : {&QTreeWidget::itemExpanded, &QTreeWidget::itemCollapsed})
        connect(m_nameTree, signal, this,
                [this](QTreeWidgetItem* item) { m_nameTree->setCurrentItem(item); });
}

void NameSearchWindow::refresh() {
    m_stale = false;
    fillNameList();
    expandNameList();
}

void NameSearchWindow::fillNameList() {
    NameList list;
    runReportingErrors([&] { list = buildNameList(m_names()); });
    for (const QString& surname : std::as_const(list.withoutFirstName))
        if (!m_reportedWithoutFirstName.contains(surname))
            showInformation(surname + QStringLiteral(" : No firstname !"));
    m_reportedWithoutFirstName = list.withoutFirstName;
    m_nameTree->clear();
    QList<QTreeWidgetItem*> letters;
    for (const NameListEntry& entry : std::as_const(list.entries)) {
        if (entry.level == 1)
            letters << new QTreeWidgetItem(QStringList{entry.text});
        else
            letters.last()->addChild(nameItem(entry.names));
    }
    m_nameTree->addTopLevelItems(letters);
}

void NameSearchWindow::expandNameList() {
    for (int i = 0; i < m_nameTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* letter = m_nameTree->topLevelItem(i);
        if (letter->childCount() > 0)
            letter->setExpanded(true);
    }
}

void NameSearchWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Closing a message box activates the window again: that is no change of the records.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_stale) {
        refresh();
        m_nameTree->setCurrentItem(m_nameTree->topLevelItem(0));
    }
}

bool NameSearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_nameTree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_nameTree->currentItem()) {
            toggle(m_nameTree->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NameSearchWindow::toggle(QTreeWidgetItem* item) {
    if (item)
        item->setExpanded(!item->isExpanded());
}

void NameSearchWindow::chooseName(QTreeWidgetItem* item) {
    if (!item || !item->parent())
        return;
    const ChosenName chosen = splitNameEntry(item->text(0));
    emit nameChosen(chosen.surname, chosen.firstName);
}

int NameSearchWindow::placeUnderLetter(QTreeWidgetItem* letter, const NameEntry& names) const {
    return sortedPlace(letter->childCount(), names,
                       [letter](int place) { return namesOf(letter->child(place)); });
}

void NameSearchWindow::insertEntry(const NameEntry& names) {
    if (const std::optional<int> letter = listedUnder(names)) {
        QTreeWidgetItem* item = m_nameTree->topLevelItem(*letter);
        item->insertChild(placeUnderLetter(item, names), nameItem(names));
    }
}

// The deleted record's own entry goes, whichever entry is selected: another record's entry with
// the same text is never taken instead. A selected letter is opened, as before a search.
void NameSearchWindow::removeEntry(const NameEntry& names) {
    QTreeWidgetItem* selected = m_nameTree->currentItem();
    if (selected && !selected->parent())
        selected->setExpanded(true);
    const std::optional<int> letter = listedUnder(names);
    if (!letter)
        return;
    QTreeWidgetItem* item = m_nameTree->topLevelItem(*letter);
    const int place = placeUnderLetter(item, names);
    if (place < item->childCount() && compareNames(namesOf(item->child(place)), names) == 0)
        delete item->child(place);
}

void NameSearchWindow::applyChange(const NameChange& change) {
    if (change.before)
        removeEntry(*change.before);
    if (change.after)
        insertEntry(*change.after);
    expandNameList();
}
