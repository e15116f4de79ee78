#include "gui/returns/returns_window.h"

#include "core/employer/employer_rules.h"
#include "core/platform/settings.h"
#include "gui/common/message_boxes.h"
#include "gui/widgets/widgets.h"
#include "store/returns/return_list.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { Name, Employer, FileNumber, Year, Records, LastChange, LastSave, State };
constexpr int folderRole = Qt::UserRole;
constexpr int conditionRole = Qt::UserRole + 1;

QString timeText(const QDateTime& time) {
    return time.isValid() ? QLocale().toString(time, QLocale::ShortFormat) : QString();
}

QTreeWidgetItem* rowOf(const returnfiles::ListedReturn& listed) {
    const ReturnSummary& facts = listed.summary;
    const bool known = !facts.returnYear.isEmpty() || !facts.employerName.isEmpty();
    auto* item = new QTreeWidgetItem(QStringList{
        listed.name, facts.employerName, wholeFileNumber(facts.section, facts.fileNumber),
        facts.returnYear, known ? QLocale().toString(facts.recordCount) : QString(),
        timeText(facts.lastChange), timeText(facts.lastSave), conditionWord(listed.condition)});
    item->setTextAlignment(Records, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(Name, folderRole, listed.folder);
    item->setData(Name, conditionRole, int(listed.condition));
    return item;
}

} // namespace

ReturnsWindow::ReturnsWindow(QString workspaceFolder, QString userProgramFolder, QString openHere,
                             QWidget* parent)
    : QDialog(parent)
    , m_workspaceFolder(std::move(workspaceFolder))
    , m_userProgramFolder(std::move(userProgramFolder))
    , m_openHere(std::move(openHere)) {
    setObjectName(QStringLiteral("fReturns"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(tr("Returns"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("returnList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Return"), tr("Employer"), tr("File number"), tr("Year"),
                             tr("Records"), tr("Last change"), tr("Last save"), tr("State")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_openButton = widgets::button(this, "cOpenReturn", tr("&Open"));
    m_newButton = widgets::button(this, "cNewReturn", tr("&New return..."));
    m_nextYearButton = widgets::button(this, "cNextYear", tr("Ne&xt year's return..."));
    m_removeButton = widgets::button(this, "cRemoveReturn", tr("&Remove from list"));
    m_closeButton = widgets::button(this, "cCloseList", tr("&Close"));
    m_openButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {m_openButton, m_newButton, m_nextYearButton, m_removeButton, m_closeButton})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    connect(m_openButton, &QPushButton::clicked, this, &ReturnsWindow::open);
    connect(m_list, &QTreeWidget::itemActivated, this, &ReturnsWindow::open);
    connect(m_newButton, &QPushButton::clicked, this, [this] {
        emit newReturnChosen();
        accept();
    });
    connect(m_nextYearButton, &QPushButton::clicked, this, &ReturnsWindow::nextYear);
    connect(m_removeButton, &QPushButton::clicked, this, &ReturnsWindow::removeSelected);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    reload();
    selectFolder(platform::settings().value(lastOpenedKey()).toString());
    resize(900, 360);
}

QString ReturnsWindow::lastOpenedKey() {
    return QStringLiteral("returns/lastOpened");
}

void ReturnsWindow::reload() {
    m_list->clear();
    for (const returnfiles::ListedReturn& listed :
         returnfiles::listReturns({m_workspaceFolder, m_userProgramFolder}, m_openHere))
        m_list->addTopLevelItem(rowOf(listed));
}

void ReturnsWindow::selectFolder(const QString& folder) {
    QTreeWidgetItem* chosen = m_list->topLevelItem(0);
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        if (QDir(m_list->topLevelItem(row)->data(Name, folderRole).toString()) == QDir(folder))
            chosen = m_list->topLevelItem(row);
    m_list->setCurrentItem(chosen);
    m_list->setFocus();
}

QString ReturnsWindow::selectedFolder() const {
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? item->data(Name, folderRole).toString() : QString();
}

QString ReturnsWindow::openableSelection() {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item)
        return QString();
    const auto condition = ReturnCondition(item->data(Name, conditionRole).toInt());
    if (condition == ReturnCondition::InUse) {
        showError(
            tr("The return '%1' is in use by another copy of the program.").arg(item->text(Name)));
        return QString();
    }
    if (condition == ReturnCondition::Damaged) {
        showError(tr("The return '%1' is damaged: its database is missing or cut short, or its "
                     "summary cannot be read.")
                      .arg(item->text(Name)));
        return QString();
    }
    return selectedFolder();
}

void ReturnsWindow::open() {
    const QString folder = openableSelection();
    if (folder.isEmpty())
        return;
    emit openChosen(folder);
    accept();
}

void ReturnsWindow::nextYear() {
    const QString folder = openableSelection();
    if (folder.isEmpty())
        return;
    emit nextYearChosen(folder);
    accept();
}

void ReturnsWindow::removeSelected() {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    const QString name = item->text(Name);
    if (!confirm(tr("Remove the return '%1' from the list? Its folder is moved to '%2'; nothing "
                    "is deleted.")
                     .arg(name, QDir::toNativeSeparators(m_workspaceFolder + "/removed"))))
        return;
    const returnfiles::Workspace workspace{m_workspaceFolder, m_userProgramFolder};
    const std::optional<returnfiles::ListedReturn> listed =
        returnfiles::findReturn(workspace, name, m_openHere);
    if (listed)
        runReportingErrors([&] { returnfiles::moveToRemoved(workspace, *listed); });
    reload();
    selectFolder(QString());
}
