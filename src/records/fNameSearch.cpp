#include "records/fNameSearch.h"

#include "common/message_boxes.h"
#include "platform/widgets.h"
#include "records/fXW73D.h"
#include "records/name_list.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

fNameSearch::fNameSearch(fXW73D& editor)
    : QWidget(&editor, Qt::Window)
    , m_editor(editor) {
    setObjectName(QStringLiteral("fNameSearch"));
    setWindowTitle(QStringLiteral("Name Search"));
    Outline1 = widgets::named(new QTreeWidget(this), "Outline1");
    Outline1->setHeaderHidden(true);
    Outline1->setColumnCount(1);
    Outline1->setAccessibleName(tr("Employees by initial letter"));
    Outline1->setUniformRowHeights(true);
    Outline1->setExpandsOnDoubleClick(false); // the double-click handler toggles it
    Outline1->installEventFilter(this);
    cExit = widgets::button(this, "cExit", QStringLiteral("&Exit"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Outline1, 1);
    layout->addWidget(cExit, 0, Qt::AlignHCenter);
    resize(300, 420);

    connect(cExit, &QPushButton::clicked, this, &QWidget::close);
    connect(Outline1, &QTreeWidget::itemClicked, this, &fNameSearch::Outline1_Click);
    connect(Outline1, &QTreeWidget::itemDoubleClicked, this, &fNameSearch::toggle);
    for (auto signal : {&QTreeWidget::itemExpanded, &QTreeWidget::itemCollapsed})
        connect(Outline1, signal, this,
                [this](QTreeWidgetItem* item) { Outline1->setCurrentItem(item); });
}

void fNameSearch::FillNameList() {
    NameList list;
    try {
        list = buildNameList(m_editor.records().names());
    } catch (const EngineError& error) {
        showError(error.description());
    }
    for (const QString& surname : std::as_const(list.withoutFirstName))
        showInformation(surname + QStringLiteral(" : No firstname !"));
    Outline1->clear();
    QList<QTreeWidgetItem*> letters;
    for (const NameListEntry& entry : std::as_const(list.entries)) {
        if (entry.level == 1)
            letters << new QTreeWidgetItem(QStringList{entry.text});
        else
            new QTreeWidgetItem(letters.last(), QStringList{entry.text});
    }
    Outline1->addTopLevelItems(letters);
}

void fNameSearch::ExpandNameList() {
    for (int i = 0; i < Outline1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* letter = Outline1->topLevelItem(i);
        if (letter->childCount() > 0)
            letter->setExpanded(true);
    }
}

void fNameSearch::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FillNameList();
        ExpandNameList();
        Outline1->setCurrentItem(Outline1->topLevelItem(0));
    }
}

bool fNameSearch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Outline1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && Outline1->currentItem()) {
            toggle(Outline1->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void fNameSearch::toggle(QTreeWidgetItem* item) {
    if (item)
        item->setExpanded(!item->isExpanded());
}

void fNameSearch::Outline1_Click(QTreeWidgetItem* item) {
    if (!item || !item->parent())
        return;
    const ChosenName chosen = splitNameEntry(item->text(0));
    try {
        m_editor.showRecordNamed(chosen.surname, chosen.firstName);
    } catch (const EngineError&) {
        showError(QStringLiteral("The Surname being searched includes a symbol \"  '  \" and the "
                                 "search function cannot be used.  Please use the data bar to "
                                 "search for the record manually."));
    }
}

// The deleted record's entry: the selected name when it is that record's, otherwise the first
// entry with its text from the selected one on, and before it when there is none after. A name
// selected earlier for another record, or filed under an earlier letter, is never taken instead.
void fNameSearch::removeEntry(const QString& text) {
    QTreeWidgetItem* selected = Outline1->currentItem();
    if (selected && !selected->parent())
        selected->setExpanded(true);
    QTreeWidgetItem* before = nullptr;
    bool pastSelected = selected == nullptr;
    for (QTreeWidgetItemIterator it(Outline1); *it; ++it) {
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
