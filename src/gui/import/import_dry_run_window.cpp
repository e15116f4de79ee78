#include "gui/import/import_dry_run_window.h"

#include "core/records/column_labels.h"
#include "gui/import/import_changes_model.h"
#include "gui/platform/window_place.h"
#include "gui/widgets/widgets.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidgetItem* itemFor(const ImportRow& row, const ReturnProblem& problem) {
    auto* item = new QTreeWidgetItem;
    item->setData(0, Qt::DisplayRole, row.row);
    item->setData(1, Qt::DisplayRole, row.line);
    if (!problem.surname.isEmpty() || !problem.firstName.isEmpty())
        item->setText(2, problem.surname + QStringLiteral(", ") + problem.firstName);
    item->setText(3, columnLabelShown(problem.column));
    item->setText(4, problem.message);
    return item;
}

QString summary(const ImportPlan& plan, const QString& fileName) {
    // The problems themselves are in the list; the columns and the counts are told above it.
    QStringList told{QObject::tr("File: %1").arg(fileName)};
    told << planSummary(plan) << changeCounts(plan);
    return told.join(u'\n');
}

} // namespace

ImportDryRunWindow::ImportDryRunWindow(const ImportPlan& plan, const QString& fileName,
                                       QWidget* parent)
    : QDialog(parent)
    , m_fileName(fileName) {
    setObjectName(QStringLiteral("fImportDryRun"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(tr("Import: dry run"));
    auto* layout = new QVBoxLayout(this);
    m_told = widgets::named(new QLabel(this), "lblDryRun");
    m_told->setWordWrap(true);
    layout->addWidget(m_told);
    m_list = widgets::named(new QTreeWidget(this), "lstDryRun");
    m_list->setHeaderLabels({tr("Row"), tr("Line"), tr("Names"), tr("Field"), tr("Problem")});
    m_list->setRootIsDecorated(false);
    m_list->setAccessibleName(tr("Problems of the rows"));
    m_list->header()->setSectionResizeMode(4, QHeaderView::Stretch);
    layout->addWidget(m_list);
    m_changesModel = new ImportChangesModel(this);
    m_changes = widgets::named(new QTreeView(this), "lstChanges");
    m_changes->setModel(m_changesModel);
    m_changes->setRootIsDecorated(false);
    m_changes->setUniformRowHeights(true);
    m_changes->setAccessibleName(tr("Changes the import would make"));
    m_changes->header()->setDefaultSectionSize(150);
    m_changes->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_changes->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_changes->header()->setStretchLastSection(true);
    layout->addWidget(m_changes);
    addChoices(layout);
    showPlan(plan);
    platform::keepWindowPlace(this, objectName(), QSize(900, 550));
}

void ImportDryRunWindow::addChoices(QVBoxLayout* layout) {
    auto* kinds = new QHBoxLayout;
    m_addNew = widgets::named(new QCheckBox(tr("A&dd new rows"), this), "chkAddNew");
    m_updateMatching =
        widgets::named(new QCheckBox(tr("&Update matching records"), this), "chkUpdateMatching");
    m_emptyCellsClear =
        widgets::named(new QCheckBox(tr("Empty &cells clear fields"), this), "chkEmptyCellsClear");
    m_addNew->setChecked(true);
    m_updateMatching->setChecked(true);
    kinds->addWidget(m_addNew);
    kinds->addWidget(m_updateMatching);
    kinds->addWidget(m_emptyCellsClear);
    kinds->addStretch();
    layout->addLayout(kinds);
    auto* buttons = new QDialogButtonBox(this);
    m_allRows = widgets::button(this, "cImportAll", tr("Import &all rows"));
    m_rowsWithoutProblems =
        widgets::button(this, "cImportClean", tr("Import only rows &without problems"));
    m_nothing = widgets::button(this, "cImportNothing", tr("Import &nothing"));
    m_mapping = widgets::button(this, "cChangeMapping", tr("Column &mapping..."));
    buttons->addButton(m_mapping, QDialogButtonBox::ActionRole);
    buttons->addButton(m_allRows, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_rowsWithoutProblems, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_nothing, QDialogButtonBox::RejectRole);
    m_nothing->setDefault(true);
    layout->addWidget(buttons);
    connect(m_addNew, &QCheckBox::toggled, this, &ImportDryRunWindow::enableChoices);
    connect(m_updateMatching, &QCheckBox::toggled, this, &ImportDryRunWindow::enableChoices);
    connect(m_emptyCellsClear, &QCheckBox::toggled, this,
            &ImportDryRunWindow::emptyCellsClearChanged);
    connect(m_allRows, &QPushButton::clicked, this, [this] { choose(ImportChoice::AllRows); });
    connect(m_rowsWithoutProblems, &QPushButton::clicked, this,
            [this] { choose(ImportChoice::RowsWithoutProblems); });
    connect(m_nothing, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_mapping, &QPushButton::clicked, this, [this] {
        reject();
        emit mappingAsked();
    });
}

void ImportDryRunWindow::showPlan(const ImportPlan& plan) {
    m_plan = plan;
    m_told->setText(summary(plan, m_fileName));
    m_list->setSortingEnabled(false);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const ImportRow& row : plan.rows)
        for (const ReturnProblem& problem : row.problems())
            items << itemFor(row, problem);
    m_list->addTopLevelItems(items);
    m_list->setSortingEnabled(true);
    m_changesModel->setPlan(plan);
    enableChoices();
}

void ImportDryRunWindow::showEmptyCellsClear(bool clear) {
    const QSignalBlocker quiet(m_emptyCellsClear);
    m_emptyCellsClear->setChecked(clear);
}

ImportKinds ImportDryRunWindow::kinds() const {
    return ImportKinds{m_addNew->isChecked(), m_updateMatching->isChecked()};
}

// A choice that would write nothing is not offered.
void ImportDryRunWindow::enableChoices() {
    auto writesSomething = [this](ImportChoice choice) {
        const ImportWork work = chosenWork(m_plan, choice, kinds());
        return !work.newRecords.isEmpty() || !work.updates.isEmpty();
    };
    m_allRows->setEnabled(writesSomething(ImportChoice::AllRows));
    m_rowsWithoutProblems->setEnabled(writesSomething(ImportChoice::RowsWithoutProblems));
}

void ImportDryRunWindow::choose(ImportChoice choice) {
    accept();
    emit chosen(choice, kinds());
}
