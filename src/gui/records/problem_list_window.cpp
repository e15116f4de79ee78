#include "gui/records/problem_list_window.h"

#include "core/records/problem_table.h"
#include "gui/platform/window_place.h"
#include "gui/widgets/widgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <tuple>

namespace {

constexpr int indexRole = Qt::UserRole;
constexpr int severityRole = Qt::UserRole + 1;
constexpr int surnameColumn = 4;

// The sheet number and the page sort as numbers, the others as texts without regard to case; a
// sort by any column keeps the problems of one record in the order they were found.
class ProblemItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const bool numeric =
            column == problemtable::sheetColumn || column == problemtable::pageColumn;
        // By severity, errors first, then by surname.
        const int textColumn = column == validation::severityColumn ? surnameColumn : column;
        const auto key = [column, numeric, textColumn](const QTreeWidgetItem& item) {
            const QString text = item.text(textColumn);
            const QString primary = numeric ? text.rightJustified(20, u'0') : text.toCaseFolded();
            const int severity =
                column == validation::severityColumn ? item.data(0, severityRole).toInt() : 0;
            return std::tuple(severity, primary, item.data(0, indexRole).toInt());
        };
        return key(*this) < key(other);
    }
};

QIcon severityIcon(const QStyle* style, validation::Severity severity) {
    switch (severity) {
    case validation::Severity::Error:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case validation::Severity::Warning:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case validation::Severity::Hint:
        break;
    }
    return style->standardIcon(QStyle::SP_MessageBoxInformation);
}

QTreeWidgetItem* itemFor(const ReturnProblem& problem, int index, const QStyle* style) {
    auto* item = new ProblemItem(problemtable::row(problem));
    const validation::Severity severity = validation::severityOf(problem.code);
    item->setData(0, indexRole, index);
    item->setData(0, severityRole, static_cast<int>(severity));
    item->setIcon(validation::severityColumn, severityIcon(style, severity));
    return item;
}

QString titleFor(int count) {
    return count == 1 ? QObject::tr("Check all records: 1 problem")
                      : QObject::tr("Check all records: %1 problems").arg(count);
}

} // namespace

ProblemListWindow::ProblemListWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    // Not marked as one of the program's windows: coming back from it would show the editor's
    // page afresh and take the focus from the field a chosen problem names.
    setObjectName(QStringLiteral("fProblems"));
    auto* layout = new QVBoxLayout(this);
    m_summary = widgets::named(new QLabel(this), "lblProblems");
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_list = widgets::named(new QTreeWidget(this), "lstProblems");
    m_list->setHeaderLabels(problemtable::header());
    m_list->setRootIsDecorated(false);
    m_list->setSortingEnabled(true);
    m_list->setAccessibleName(tr("Problems of the return"));
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);
    m_totals = widgets::named(new QTreeWidget(this), "lstTotals");
    m_totals->setRootIsDecorated(false);
    m_totals->setAccessibleName(tr("Control totals"));
    m_totals->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_totals->setMaximumHeight(fontMetrics().height() * 9);
    layout->addWidget(buildFilter());
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 3);
    layout->addWidget(m_totals, 1);
    layout->addWidget(buildButtons());
    platform::keepWindowPlace(this, objectName(), QSize(1150, 600), platform::PlaceSide::Beside);
    // Enter and a double-click both activate a line.
    connect(m_list, &QTreeWidget::itemActivated, this, &ProblemListWindow::choose);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QWidget* ProblemListWindow::buildFilter() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_filter = widgets::named(new QComboBox(row), "cSeverityFilter");
    m_filter->addItem(tr("All problems"), -1);
    m_filter->addItem(tr("Errors"), static_cast<int>(validation::Severity::Error));
    m_filter->addItem(tr("Warnings"), static_cast<int>(validation::Severity::Warning));
    m_filter->addItem(tr("Hints"), static_cast<int>(validation::Severity::Hint));
    auto* label = new QLabel(tr("Sho&w:"), row);
    label->setBuddy(m_filter);
    layout->addWidget(label);
    layout->addWidget(m_filter);
    layout->addStretch();
    connect(m_filter, &QComboBox::currentIndexChanged, this, &ProblemListWindow::applyFilter);
    return row;
}

QWidget* ProblemListWindow::buildButtons() {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* again = widgets::button(this, "cCheckAgain", tr("Check &again"));
    m_printButton = widgets::button(this, "cPrintProblems", tr("&Print..."));
    m_saveButton = widgets::button(this, "cSaveProblems", tr("Save as C&SV..."));
    QPushButton* close = widgets::button(this, "cCloseProblems", tr("&Close"));
    buttons->addButton(again, QDialogButtonBox::ActionRole);
    buttons->addButton(m_printButton, QDialogButtonBox::ActionRole);
    buttons->addButton(m_saveButton, QDialogButtonBox::ActionRole);
    buttons->addButton(close, QDialogButtonBox::RejectRole);
    connect(again, &QPushButton::clicked, this, &ProblemListWindow::checkAgainRequested);
    connect(m_printButton, &QPushButton::clicked, this, &ProblemListWindow::printRequested);
    connect(m_saveButton, &QPushButton::clicked, this, &ProblemListWindow::saveAsCsvRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

void ProblemListWindow::showReport(const validation::ReturnReport& report,
                                   const validation::ReportHeading& heading) {
    m_report = report;
    m_heading = heading;
    m_problems = report.problems;
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (qsizetype i = 0; i < m_problems.size(); ++i)
        items << itemFor(m_problems[i], static_cast<int>(i), style());
    m_list->addTopLevelItems(items);
    // The errors first, each severity in name order as the editor lists the records; the
    // employer's problems first among them.
    m_list->sortByColumn(validation::severityColumn, Qt::AscendingOrder);
    m_list->setVisible(!m_problems.isEmpty());
    m_printButton->setEnabled(true);
    m_saveButton->setEnabled(true);
    m_summary->setText(m_problems.isEmpty()
                           ? tr("No problem was found in the return.")
                           : validation::countsText(heading) + QStringLiteral(". ") +
                                 tr("Double-click a problem or press Enter on it to show that "
                                    "record."));
    setWindowTitle(titleFor(problemCount()));
    showTotals();
    applyFilter();
}

void ProblemListWindow::showOnly(std::optional<validation::Severity> severity) {
    m_filter->setCurrentIndex(
        std::max(0, m_filter->findData(severity ? static_cast<int>(*severity) : -1)));
}

void ProblemListWindow::showTotals() {
    m_totals->clear();
    m_totals->setHeaderLabels(validation::totalsHeader(m_report));
    for (const QStringList& row : validation::totalsRows(m_report)) {
        auto* item = new QTreeWidgetItem(row);
        for (int column = 2; column < row.size(); ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        m_totals->addTopLevelItem(item);
    }
}

void ProblemListWindow::applyFilter() {
    const int shown = m_filter->currentData().toInt();
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        const bool hidden = shown >= 0 && item->data(0, severityRole).toInt() != shown;
        item->setHidden(hidden);
        if (!hidden && !first)
            first = item;
    }
    if (first) {
        m_list->setCurrentItem(first);
        m_list->setFocus();
    }
}

QList<ReturnProblem> ProblemListWindow::problemsAsListed() const {
    QList<ReturnProblem> listed;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (!m_list->topLevelItem(i)->isHidden())
            listed << m_problems.at(m_list->topLevelItem(i)->data(0, indexRole).toInt());
    return listed;
}

void ProblemListWindow::choose(QTreeWidgetItem* item) {
    const int index = item->data(0, indexRole).toInt();
    emit problemChosen(m_problems.at(index));
}
