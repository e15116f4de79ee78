#include "gui/import/import_dry_run_window.h"

#include "core/records/column_labels.h"
#include "gui/platform/window_place.h"
#include "gui/widgets/widgets.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QObject>
#include <QPushButton>
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
    QStringList lines = planReport(plan);
    // The problems themselves are in the list; the columns and the counts are told above it.
    QStringList told{QObject::tr("File: %1").arg(fileName)};
    for (const QString& line : lines)
        if (!line.startsWith(QStringLiteral("Row ")))
            told << line;
    return told.join(u'\n');
}

} // namespace

ImportDryRunWindow::ImportDryRunWindow(const ImportPlan& plan, const QString& fileName,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("fImportDryRun"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(tr("Import: dry run"));
    auto* layout = new QVBoxLayout(this);
    auto* told = widgets::named(new QLabel(summary(plan, fileName), this), "lblDryRun");
    told->setWordWrap(true);
    layout->addWidget(told);
    m_list = widgets::named(new QTreeWidget(this), "lstDryRun");
    m_list->setHeaderLabels({tr("Row"), tr("Line"), tr("Names"), tr("Field"), tr("Problem")});
    m_list->setRootIsDecorated(false);
    m_list->setAccessibleName(tr("Problems of the rows"));
    m_list->header()->setSectionResizeMode(4, QHeaderView::Stretch);
    QList<QTreeWidgetItem*> items;
    for (const ImportRow& row : plan.rows)
        for (const ReturnProblem& problem : row.problems)
            items << itemFor(row, problem);
    m_list->addTopLevelItems(items);
    m_list->setSortingEnabled(true);
    layout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(this);
    m_allRows = widgets::button(this, "cImportAll", tr("Import &all rows"));
    m_rowsWithoutProblems =
        widgets::button(this, "cImportClean", tr("Import only rows &without problems"));
    m_nothing = widgets::button(this, "cImportNothing", tr("Import &nothing"));
    m_allRows->setEnabled(plan.storableRows() > 0);
    m_rowsWithoutProblems->setEnabled(plan.rowsWithProblems() < plan.rows.size());
    buttons->addButton(m_allRows, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_rowsWithoutProblems, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_nothing, QDialogButtonBox::RejectRole);
    m_nothing->setDefault(true);
    layout->addWidget(buttons);
    connect(m_allRows, &QPushButton::clicked, this, [this] { choose(ImportChoice::AllRows); });
    connect(m_rowsWithoutProblems, &QPushButton::clicked, this,
            [this] { choose(ImportChoice::RowsWithoutProblems); });
    connect(m_nothing, &QPushButton::clicked, this, &QDialog::reject);
    platform::keepWindowPlace(this, objectName(), QSize(900, 450));
}

void ImportDryRunWindow::choose(ImportChoice choice) {
    accept();
    emit chosen(choice);
}
