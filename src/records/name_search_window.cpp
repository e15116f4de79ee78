#include "records/name_search_window.h"

#include "common/message_boxes.h"
#include "platform/widgets.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

NameSearchWindow::NameSearchWindow(NamesProvider names, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_names(std::move(names)) {
    setObjectName(QStringLiteral("fNameSearch"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QStringLiteral("Name Search"));
    nameTree = widgets::named(new QTreeWidget(this), "Outline1");
    nameTree->setHeaderHidden(true);
    nameTree->setColumnCount(1);
    nameTree->setAccessibleName(tr("Employees by initial letter"));
    nameTree->setUniformRowHeights(true);
    nameTree->setExpandsOnDoubleClick(false); // the double-click handler toggles it
    nameTree->installEventFilter(this);
    exitButton = widgets::button(this, "cExit", QStringLiteral("&Exit"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameTree, 1);
    layout->addWidget(exitButton, 0, Qt::AlignHCenter);
    resize(300, 420);

    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(nameTree, &QTreeWidget::itemClicked, this, &NameSearchWindow::chooseName);
    connect(nameTree, &QTreeWidget::itemDoubleClicked, this, &NameSearchWindow::toggle);
    for (auto signal : {&QTreeWidget::itemExpanded, &QTreeWidget::itemCollapsed})
        connect(nameTree, signal, this,
                [this](QTreeWidgetItem* item) { nameTree->setCurrentItem(item); });
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
    nameTree->clear();
    QList<QTreeWidgetItem*> letters;
    for (const NameListEntry& entry : std::as_const(list.entries)) {
        if (entry.level == 1)
            letters << new QTreeWidgetItem(QStringList{entry.text});
        else
            new QTreeWidgetItem(letters.last(), QStringList{entry.text});
    }
    nameTree->addTopLevelItems(letters);
}

void NameSearchWindow::expandNameList() {
    for (int i = 0; i < nameTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* letter = nameTree->topLevelItem(i);
        if (letter->childCount() > 0)
            letter->setExpanded(true);
    }
}

void NameSearchWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Closing a message box activates the window again: that is no change of the records.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_stale) {
        refresh();
        nameTree->setCurrentItem(nameTree->topLevelItem(0));
    }
}

bool NameSearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == nameTree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && nameTree->currentItem()) {
            toggle(nameTree->currentItem());
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

// The deleted record's entry: the selected name when it is that record's, otherwise the first
// entry with its text from the selected one on, and before it when there is none after. A name
// selected earlier for another record, or filed under an earlier letter, is never taken instead.
void NameSearchWindow::removeEntry(const QString& text) {
    QTreeWidgetItem* selected = nameTree->currentItem();
    if (selected && !selected->parent())
        selected->setExpanded(true);
    QTreeWidgetItem* before = nullptr;
    bool pastSelected = selected == nullptr;
    for (QTreeWidgetItemIterator it(nameTree); *it; ++it) {
        pastSelected = pastSelected || *it == selected;
        if (!(*it)->parent() || (*it)->text(0) != text)
            continue;
        if (pastSelected) {
            delete *it;
            return;
        }
        before = before ? before : *it;
    }
    delete before;
}
