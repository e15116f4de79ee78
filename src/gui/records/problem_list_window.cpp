#include "gui/records/problem_list_window.h"

#include "core/records/editor_fields.h"
#include "gui/platform/window_place.h"
#include "gui/widgets/widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { Record, Names, Page, Field, Message };

QString names(const ReturnProblem& problem) {
    if (problem.surname.isEmpty() && problem.firstName.isEmpty())
        return QString();
    return problem.surname + QStringLiteral(", ") + problem.firstName;
}

// The field as its caption on the editor names it; employer items by their column.
QString fieldName(const ReturnProblem& problem) {
    const EditorField* field = problem.record ? fieldForColumn(problem.column) : nullptr;
    return field ? QLatin1String(field->accessibleName) : problem.column;
}

constexpr int sortKey = Qt::UserRole + 1;

// The record and the page sort as numbers, the employer's problems (no record) first; a sort by
// any column keeps the problems of one record in their order.
class ProblemItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : Record;
        const auto key = [column](const QTreeWidgetItem& item) {
            const QString primary =
                column == Record || column == Page
                    ? item.data(column, sortKey).toString().rightJustified(20, u'0')
                    : item.text(column).toCaseFolded();
            return std::pair(primary, item.data(Record, Qt::UserRole).toInt());
        };
        return key(*this) < key(other);
    }
};

QTreeWidgetItem* itemFor(const ReturnProblem& problem, int index) {
    auto* item = new ProblemItem;
    item->setText(Record, problem.record ? QString::number(*problem.record) : QString());
    item->setData(Record, sortKey, problem.record.value_or(-1) + 1);
    item->setText(Names, names(problem));
    item->setText(Page, problem.page > 0 ? QString::number(problem.page) : QString());
    item->setData(Page, sortKey, problem.page);
    item->setText(Field, fieldName(problem));
    item->setText(Message, problem.message);
    item->setData(Record, Qt::UserRole, index);
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
    m_list = widgets::named(new QTreeWidget(this), "lstProblems");
    m_list->setHeaderLabels({tr("ID"), tr("Names"), tr("Page"), tr("Field"), tr("Message")});
    m_list->setRootIsDecorated(false);
    m_list->setSortingEnabled(true);
    m_list->setAccessibleName(tr("Problems of the return"));
    m_list->header()->setSectionResizeMode(Message, QHeaderView::Stretch);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    platform::keepWindowPlace(this, objectName(), QSize(900, 400), platform::PlaceSide::Beside);
    // Enter and a double-click both activate a line.
    connect(m_list, &QTreeWidget::itemActivated, this, &ProblemListWindow::choose);
}

void ProblemListWindow::showProblems(const QList<ReturnProblem>& problems) {
    m_problems = problems;
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (qsizetype i = 0; i < problems.size(); ++i)
        items << itemFor(problems[i], static_cast<int>(i));
    m_list->addTopLevelItems(items);
    m_list->sortByColumn(Record, Qt::AscendingOrder);
    m_list->setVisible(!problems.isEmpty());
    m_summary->setText(problems.isEmpty() ? tr("No problem was found in the return.")
                                          : tr("Double-click a problem or press Enter on it to "
                                               "show that record."));
    setWindowTitle(problemCount() == 1 ? tr("Check all records: 1 problem")
                                       : tr("Check all records: %1 problems").arg(problemCount()));
    if (!items.isEmpty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

void ProblemListWindow::choose(QTreeWidgetItem* item) {
    const int index = item->data(Record, Qt::UserRole).toInt();
    emit problemChosen(m_problems.at(index));
}
