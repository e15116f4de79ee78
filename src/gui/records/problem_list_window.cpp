#include "gui/records/problem_list_window.h"

#include "core/records/problem_table.h"
#include "gui/platform/window_place.h"
#include "gui/widgets/widgets.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int indexRole = Qt::UserRole;

// The sheet number and the page sort as numbers, the others as texts without regard to case; a
// sort by any column keeps the problems of one record in the order they were found.
class ProblemItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const bool numeric =
            column == problemtable::sheetColumn || column == problemtable::pageColumn;
        const auto key = [column, numeric](const QTreeWidgetItem& item) {
            const QString text = item.text(column);
            const QString primary = numeric ? text.rightJustified(20, u'0') : text.toCaseFolded();
            return std::pair(primary, item.data(0, indexRole).toInt());
        };
        return key(*this) < key(other);
    }
};

QTreeWidgetItem* itemFor(const ReturnProblem& problem, int index) {
    auto* item = new ProblemItem(problemtable::row(problem));
    item->setData(0, indexRole, index);
    return item;
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
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    layout->addWidget(buildButtons());
    platform::keepWindowPlace(this, objectName(), QSize(900, 400), platform::PlaceSide::Beside);
    // Enter and a double-click both activate a line.
    connect(m_list, &QTreeWidget::itemActivated, this, &ProblemListWindow::choose);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
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

void ProblemListWindow::showProblems(const QList<ReturnProblem>& problems) {
    m_problems = problems;
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (qsizetype i = 0; i < problems.size(); ++i)
        items << itemFor(problems[i], static_cast<int>(i));
    m_list->addTopLevelItems(items);
    // In name order, as the editor lists the records; the employer's problems first.
    m_list->sortByColumn(1, Qt::AscendingOrder);
    m_list->setVisible(!problems.isEmpty());
    m_printButton->setEnabled(!problems.isEmpty());
    m_saveButton->setEnabled(!problems.isEmpty());
    m_summary->setText(problems.isEmpty() ? tr("No problem was found in the return.")
                                          : tr("Double-click a problem or press Enter on it to "
                                               "show that record."));
    setWindowTitle(problemCount() == 1 ? tr("Check all records: 1 problem")
                                       : tr("Check all records: %1 problems").arg(problemCount()));
    if (!items.isEmpty()) {
        m_list->setCurrentItem(m_list->topLevelItem(0));
        m_list->setFocus();
    }
}

QList<ReturnProblem> ProblemListWindow::problemsAsListed() const {
    QList<ReturnProblem> listed;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        listed << m_problems.at(m_list->topLevelItem(i)->data(0, indexRole).toInt());
    return listed;
}

void ProblemListWindow::choose(QTreeWidgetItem* item) {
    const int index = item->data(0, indexRole).toInt();
    emit problemChosen(m_problems.at(index));
}
