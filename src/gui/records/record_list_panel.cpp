#include "gui/records/record_list_panel.h"

#include "core/records/editor_texts.h"
#include "core/records/record_types.h"
#include "gui/common/message_boxes.h"
#include "gui/records/record_list_model.h"
#include "gui/widgets/widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QComboBox* typeFilter(QWidget* parent) {
    auto* types = widgets::named(new QComboBox(parent), "recordTypeFilter");
    types->addItem(RecordListPanel::tr("All types"), QString());
    for (std::size_t i = 0; i < recordtype::recordTypes.size(); ++i)
        types->addItem(
            QCoreApplication::translate("RecordListModel", recordtype::recordTypeNames[i]),
            recordtype::code(recordtype::recordTypes[i]));
    types->setAccessibleName(RecordListPanel::tr("Record type shown"));
    return types;
}

// Widths from the font, never from the lines: measuring them would read every record.
void sizeColumns(QTableView* table) {
    const QFontMetrics metrics = table->fontMetrics();
    QHeaderView* header = table->horizontalHeader();
    const QFontMetrics titleMetrics = header->fontMetrics();
    // The wider of a long value and the column's title.
    const auto width = [&](int column, const char* sample) {
        const QString title = table->model()->headerData(column, Qt::Horizontal).toString();
        return std::max(metrics.horizontalAdvance(QLatin1String(sample)),
                        titleMetrics.horizontalAdvance(title) + 8) +
               16;
    };
    for (const auto& [column, sample] : {std::pair{RecordListModel::SheetNumber, "999999"},
                                         {RecordListModel::Type, "Supplementary"},
                                         {RecordListModel::Surname, "CHAN TAI MAN"},
                                         {RecordListModel::OtherNames, "CHAN TAI MAN"},
                                         {RecordListModel::Identity, "AB123456(7)"},
                                         {RecordListModel::Income, "999,999,999"}})
        header->resizeSection(column, width(column, sample));
    QHeaderView* lines = table->verticalHeader();
    lines->setSectionResizeMode(QHeaderView::Fixed);
    lines->setDefaultSectionSize(metrics.height() + 6);
    lines->hide();
}

QTableView* recordTable(QWidget* parent, RecordListModel* model) {
    auto* table = widgets::named(new QTableView(parent), "recordTable");
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setAccessibleName(RecordListPanel::tr("Records"));
    sizeColumns(table);
    return table;
}

} // namespace

RecordListPanel::RecordListPanel(Database& db, QWidget* parent)
    : QWidget(parent)
    , m_model(new RecordListModel(db, this)) {
    setObjectName(QStringLiteral("recordList"));
    m_filterEdit = widgets::named(new QLineEdit(this), "recordFilter");
    m_filterEdit->setClearButtonEnabled(true);
    m_filterEdit->setPlaceholderText(tr("Find name, identity or sheet number"));
    m_filterEdit->setAccessibleName(tr("Find records"));
    m_filterEdit->installEventFilter(this);
    m_typeFilter = typeFilter(this);
    m_countLabel = widgets::named(new QLabel(this), "recordCount");
    m_table = recordTable(this, m_model);

    auto* filters = new QHBoxLayout;
    filters->addWidget(m_filterEdit, 1);
    filters->addWidget(m_typeFilter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_countLabel);

    connect(m_filterEdit, &QLineEdit::textChanged, this, &RecordListPanel::applyFilter);
    connect(m_typeFilter, &QComboBox::currentIndexChanged, this, &RecordListPanel::applyFilter);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_following)
                    chooseLine(current.row());
            });
}

// Wide enough for every column, so that no line needs scrolling sideways.
QSize RecordListPanel::sizeHint() const {
    const int width = m_table->horizontalHeader()->length() + 2 * m_table->frameWidth() +
                      m_table->verticalScrollBar()->sizeHint().width();
    return {width, QWidget::sizeHint().height()};
}

void RecordListPanel::reload() {
    runReportingErrors([this] { m_model->reload(); });
    showCount();
}

// The shown record stays when it still matches; otherwise the first match is asked for, so
// that typing a whole identity number brings its record up.
void RecordListPanel::applyFilter() {
    const RecordListFilter filter{m_filterEdit->text(), m_typeFilter->currentData().toString()};
    runReportingErrors([this, &filter] { m_model->setFilter(filter); });
    showCount();
    const int line = m_model->lineOf(m_shownRowId);
    if (line >= 0 || m_model->rowCount() == 0) {
        selectLine(line);
        return;
    }
    selectLine(0);
    emit firstMatchFound(m_model->rowIdAt(0));
}

void RecordListPanel::showCount() {
    m_countLabel->setText(editortexts::recordCount(m_model->rowCount()));
}

void RecordListPanel::followRecord(qint64 rowId, int placeHint) {
    m_shownRowId = rowId;
    selectLine(m_model->lineOf(rowId, placeHint));
}

void RecordListPanel::selectLine(int line) {
    m_following = true;
    if (line < 0) {
        m_table->selectionModel()->clear();
    } else {
        // The first column, so the list is not scrolled sideways to the line's middle.
        const QModelIndex index = m_model->index(line, RecordListModel::SheetNumber);
        m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
        m_table->scrollTo(index);
    }
    m_following = false;
}

void RecordListPanel::chooseLine(int line) {
    const qint64 rowId = m_model->rowIdAt(line);
    if (rowId >= 0 && rowId != m_shownRowId)
        emit recordChosen(rowId);
}

void RecordListPanel::focusFilter() {
    show();
    m_filterEdit->setFocus(Qt::ShortcutFocusReason);
    m_filterEdit->selectAll();
}

// The filter keeps the keyboard while the arrows walk the list, as in a search field of a mail
// program; Enter shows the selected record, Escape empties the filter.
bool RecordListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_filterEdit || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        QCoreApplication::sendEvent(m_table, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseLine(m_table->currentIndex().row());
        return true;
    case Qt::Key_Escape:
        if (m_filterEdit->text().isEmpty())
            return false;
        m_filterEdit->clear();
        return true;
    default:
        return false;
    }
}
