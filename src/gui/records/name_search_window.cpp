#include "gui/records/name_search_window.h"

#include "gui/common/message_boxes.h"
#include "gui/platform/window_place.h"
#include "gui/records/name_tree_model.h"
#include "gui/widgets/widgets.h"
#include "store/records/record_set.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

NameSearchWindow::NameSearchWindow(NamesProvider names, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_names(std::move(names))
    , m_model(new NameTreeModel(this)) {
    setObjectName(QStringLiteral("fNameSearch"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QObject::tr("Name Search"));
    buildScreen();
    platform::keepWindowPlace(this, objectName(), QSize(300, 420), platform::PlaceSide::Beside);

    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_nameTree, &QTreeView::clicked, this, &NameSearchWindow::chooseName);
    connect(m_nameTree, &QTreeView::doubleClicked, this, &NameSearchWindow::toggle);
    for (auto signal : {&QTreeView::expanded, &QTreeView::collapsed})
        connect(m_nameTree, signal, this,
                [this](const QModelIndex& index) { m_nameTree->setCurrentIndex(index); });
    connect(m_findEdit, &QLineEdit::textEdited, this, &NameSearchWindow::jumpToTyped);
}

void NameSearchWindow::buildScreen() {
    m_findEdit = widgets::named(new QLineEdit(this), "nameFind");
    m_findEdit->setPlaceholderText(tr("Type a name to find it"));
    m_findEdit->setAccessibleName(tr("Find a name"));
    m_findEdit->setClearButtonEnabled(true);
    m_findEdit->installEventFilter(this);
    m_nameTree = widgets::named(new QTreeView(this), "Outline1");
    m_nameTree->setModel(m_model);
    m_nameTree->setHeaderHidden(true);
    m_nameTree->setAccessibleName(tr("Employees by initial letter"));
    m_nameTree->setUniformRowHeights(true);
    m_nameTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_nameTree->setExpandsOnDoubleClick(false); // the double-click handler toggles it
    m_nameTree->installEventFilter(this);
    m_exitButton = widgets::button(this, "cExit", QObject::tr("&Exit"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_findEdit);
    layout->addWidget(m_nameTree, 1);
    layout->addWidget(m_exitButton, 0, Qt::AlignHCenter);
    setTabOrder(m_findEdit, m_nameTree);
    setTabOrder(m_nameTree, m_exitButton);
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
            showInformation(surname + QObject::tr(" : No firstname !"));
    m_reportedWithoutFirstName = list.withoutFirstName;
    m_model->setNames(list);
}

void NameSearchWindow::expandNameList() {
    for (int letter = 0; letter < 26; ++letter) {
        const QModelIndex index = m_model->letterIndex(letter);
        if (m_model->rowCount(index) > 0)
            m_nameTree->expand(index);
    }
}

void NameSearchWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Closing a message box activates the window again: that is no change of the records.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_stale) {
        refresh();
        m_nameTree->setCurrentIndex(m_model->letterIndex(0));
    }
}

// Enter on a name shows its record; on a letter it opens or closes the letter.
bool NameSearchWindow::enterPressed() {
    const QModelIndex current = m_nameTree->currentIndex();
    if (!current.isValid())
        return false;
    if (NameTreeModel::isName(current))
        chooseName(current);
    else
        toggle(current);
    return true;
}

bool NameSearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != m_nameTree && watched != m_findEdit))
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return enterPressed();
    if (watched == m_findEdit && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        // The box keeps the keyboard while the arrows walk the outline.
        QCoreApplication::sendEvent(m_nameTree, event);
        return true;
    }
    const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (watched == m_nameTree && typing) {
        // Typing in the outline goes on in the box, which finds names of more than one letter.
        m_findEdit->setFocus(Qt::OtherFocusReason);
        m_findEdit->clear();
        m_findEdit->insert(key->text());
        jumpToTyped(m_findEdit->text());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void NameSearchWindow::jumpToTyped(const QString& text) {
    const QModelIndex found = m_model->firstMatch(text);
    if (!found.isValid())
        return;
    if (NameTreeModel::isName(found))
        m_nameTree->expand(found.parent());
    m_nameTree->setCurrentIndex(found);
    m_nameTree->scrollTo(found, QAbstractItemView::PositionAtCenter);
}

void NameSearchWindow::toggle(const QModelIndex& index) {
    if (index.isValid())
        m_nameTree->setExpanded(index, !m_nameTree->isExpanded(index));
}

void NameSearchWindow::chooseName(const QModelIndex& index) {
    if (!index.isValid() || !NameTreeModel::isName(index))
        return;
    const ChosenName chosen = splitNameEntry(index.data().toString());
    emit nameChosen(chosen.surname, chosen.firstName);
}

// A selected letter is opened, as before a search, whichever entry goes.
void NameSearchWindow::removeEntry(const NameEntry& names) {
    const QModelIndex selected = m_nameTree->currentIndex();
    if (selected.isValid() && !NameTreeModel::isName(selected))
        m_nameTree->expand(selected);
    m_model->removeName(names);
}

void NameSearchWindow::applyChange(const NameChange& change) {
    if (change.before)
        m_model->removeName(*change.before);
    if (change.after)
        m_model->insertName(*change.after);
    expandNameList();
}
