#include "gui/import/column_mapping_window.h"

#include "core/common/columns.h"
#include "core/records/column_labels.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/window_place.h"
#include "gui/widgets/widgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

bool importFills(const char* column) {
    return qstrcmp(column, "ID") != 0 && qstrcmp(column, "SheetNo") != 0;
}

} // namespace

ColumnMappingWindow::ColumnMappingWindow(const ColumnMapping& proposal, const QString& fileName,
                                         QWidget* parent)
    : QDialog(parent)
    , m_header(proposal.header) {
    setObjectName(QStringLiteral("fImportMapping"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(tr("Import: columns of the file"));
    auto* layout = new QVBoxLayout(this);
    auto* told = widgets::named(
        new QLabel(tr("Choose the field each column of %1 goes to, or none; the program's "
                      "guess is chosen at first. The choice is kept with this return for the next "
                      "file with the same header.")
                       .arg(fileName),
                   this),
        "lblMapping");
    told->setWordWrap(true);
    layout->addWidget(told);
    m_table =
        widgets::named(new QTableWidget(static_cast<int>(m_header.size()), 2, this), "lstMapping");
    m_table->setHorizontalHeaderLabels({tr("Column of the file"), tr("Field")});
    m_table->setAccessibleName(tr("Columns of the file and their fields"));
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int i = 0; i < m_header.size(); ++i) {
        auto* cell = new QTableWidgetItem(m_header.at(i));
        cell->setFlags(Qt::ItemIsEnabled);
        m_table->setItem(i, 0, cell);
        m_choices << choiceFor(proposal.columnOfField.value(i, -1));
        m_choices.last()->setAccessibleName(tr("Field of the column %1").arg(m_header.at(i)));
        m_table->setCellWidget(i, 1, m_choices.last());
    }
    m_table->resizeColumnToContents(0);
    layout->addWidget(m_table);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* use = widgets::button(this, "cUseMapping", tr("&Use these fields"));
    QPushButton* cancel = widgets::button(this, "cCancelMapping", tr("&Cancel"));
    buttons->addButton(use, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    use->setDefault(true);
    layout->addWidget(buttons);
    connect(use, &QPushButton::clicked, this, &ColumnMappingWindow::useMapping);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    platform::keepWindowPlace(this, objectName(), QSize(700, 500));
}

QComboBox* ColumnMappingWindow::choiceFor(int proposedColumn) {
    auto* choice = new QComboBox(this);
    choice->addItem(tr("(none)"), -1);
    const Columns columns = employeeColumns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (importFills(columns[i].name))
            choice->addItem(columnLabel(QLatin1String(columns[i].name)), static_cast<int>(i));
    choice->setCurrentIndex(std::max(0, choice->findData(proposedColumn)));
    return choice;
}

ColumnMapping ColumnMappingWindow::mapping() const {
    ColumnMapping chosen{m_header, {}};
    for (const QComboBox* choice : m_choices)
        chosen.columnOfField << choice->currentData().toInt();
    return chosen;
}

void ColumnMappingWindow::useMapping() {
    const ColumnMapping chosen = mapping();
    if (const std::optional<QString> refusal = mappingRefusal(chosen)) {
        showError(*refusal);
        return;
    }
    accept();
    emit mapped(chosen);
}
