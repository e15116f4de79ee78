#include "gui/records/record_editor.h"

#include "core/common/version.h"
#include "core/platform/services.h"
#include "core/records/name_list.h"
#include "gui/common/message_boxes.h"
#include "gui/records/navigator.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"
#include "store/startup/run_state.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedWidget>

namespace {

const QString cancelCaption = QStringLiteral("&Cancel");
const QString quitCaption = QStringLiteral("&Quit");

// The page-tab picture: four tabs with the visible page's one raised.
QPixmap tabPicture(int visible) {
    QPixmap picture(400, 6);
    picture.fill(QColor(160, 160, 160));
    QPainter painter(&picture);
    painter.fillRect(visible * 100, 0, 100, 6, QColor(0, 0, 128));
    return picture;
}

} // namespace

RecordEditor::RecordEditor(RunState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_records(state.db()) {
    setObjectName(QStringLiteral("fXW73D"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QStringLiteral("XW73D ") + programVersion());
    buildScreen();
    wireFrame();
    wireCommands();
    wireFieldRules();
    applyCommandState(CommandState::Browsing);
    m_updateButton->setEnabled(false);
}

FieldEdit* RecordEditor::field(const QString& column) const {
    return m_bound.value(column.toLower(), nullptr);
}

void RecordEditor::wireFrame() {
    connect(m_statusEdit, &QLineEdit::textChanged, this, &RecordEditor::showRecordType);
    for (int i = 0; i < 3; ++i)
        connect(m_statusOptions[i], &QRadioButton::clicked, this,
                [this, i] { chooseRecordType(i); });
    connect(m_navigator, &Navigator::firstRequested, this,
            [this] { moveRecordSet([this] { m_records.moveFirst(); }); });
    connect(m_navigator, &Navigator::previousRequested, this, [this] {
        moveRecordSet([this] {
            m_records.movePrevious();
            if (m_records.isBof())
                m_records.moveFirst();
        });
    });
    connect(m_navigator, &Navigator::nextRequested, this, [this] {
        moveRecordSet([this] {
            m_records.moveNext();
            if (m_records.isEof())
                m_records.moveLast();
        });
    });
    connect(m_navigator, &Navigator::lastRequested, this,
            [this] { moveRecordSet([this] { m_records.moveLast(); }); });
    connect(m_nameSearchButton, &QPushButton::clicked, this, &RecordEditor::nameSearchRequested);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Coming back from another of the program's windows counts as activation; coming back
        // from a message box does not, so a refused field keeps the focus it was given.
        if (now && now->window() == this && old && old->window() != this &&
            widgets::isProgramWindow(old->window()))
            returnToVisiblePage();
    });
}

void RecordEditor::load() {
    m_records.setSource(RecordSource::ByName);
    // Wrapped captions need less height at the window's width than at its hinted one.
    const int width = std::max(sizeHint().width(), 760);
    resize(width, hasHeightForWidth() ? heightForWidth(width) : sizeHint().height());
    show();
    // Without its records (a damaged page, a disk error) the editor cannot work: the user is
    // told why and the run ends without writing anything more.
    if (!runReportingErrors([this] { reloadRecordList(); })) {
        platform::endRun(1);
        return;
    }
    if (isPageVisible(1))
        (m_statusEdit->text() != QStringLiteral("O") ? m_sheetNumberEdit : m_identityPageTexts[0])
            ->setFocus();
}

void RecordEditor::returnToVisiblePage() {
    for (int page : {2, 3, 4})
        if (isPageVisible(page)) {
            showPage(page);
            return;
        }
    showPage(1);
}

void RecordEditor::reloadRecordList() {
    m_tracking = false;
    // The highest identifier is read directly rather than by ordering every record by it.
    const std::optional<qint64> highest = m_records.highestId();
    if (!highest) {
        m_nextId = 1;
        m_rememberedId = 1;
        enterNoRecordMode(QStringLiteral("No record found. Please add new record!"));
        return;
    }
    m_nextId = static_cast<qint32>(*highest + 1);
    m_records.setSource(RecordSource::ByName);
    m_records.refresh();
    showCurrentRow();
    m_placeholderSource = false;
    showPage(1);
    m_tracking = true;
}

void RecordEditor::showCurrentRow() {
    m_tracking = false; // the record control's validate: what it shows is no change
    const bool hasRow =
        m_records.editMode() != EditMode::None || (!m_records.isEof() && !m_records.isBof());
    for (auto it = m_bound.cbegin(); it != m_bound.cend(); ++it)
        it.value()->setText(hasRow ? textFromValue(m_records.value(it.key())) : QString());
    followMaritalStatus();
    enterFocusedFieldAgain();
    reposition();
}

void RecordEditor::reposition() {
    if (m_records.editMode() == EditMode::Add)
        return;
    if (m_records.isEof() || m_records.isBof()) {
        m_navigator->setCaption(QStringLiteral("No records found!"));
        return;
    }
    const QVariant surname = m_records.value(QStringLiteral("Surname"));
    const QVariant firstName = m_records.value(QStringLiteral("FirstName"));
    if (surname.isNull()) {
        m_navigator->setCaption(QString());
        return;
    }
    m_navigator->setCaption(firstName.isNull()
                                ? surname.toString()
                                : surname.toString() + QStringLiteral(", ") + firstName.toString());
    m_tracking = true;
}

void RecordEditor::writeFieldsToRecord() {
    for (auto it = m_bound.cbegin(); it != m_bound.cend(); ++it) {
        const ColumnDef& def = column(employeeColumns(), it.key());
        m_records.setValue(it.key(), valueFromText(def, it.value()->text()));
    }
}

void RecordEditor::moveRecordSet(const std::function<void()>& move) {
    if (m_commandState != CommandState::Browsing)
        return;
    try {
        move();
        showCurrentRow();
    } catch (const EngineError& error) {
        showError(error.description());
    }
}

bool RecordEditor::showRecordNamed(const QString& surname,
                                   const std::optional<QString>& firstName) {
    if (m_commandState != CommandState::Browsing) {
        platform::services().beep(); // a pending edit is finished with Update or Cancel first
        return false;
    }
    try {
        if (!m_records.findFirstByName(surname, firstName))
            return false;
        showCurrentRow();
    } catch (const EngineError& error) {
        showError(nameSearchFailure(error, surname));
        return false;
    }
    return true;
}

void RecordEditor::showPage(int page) {
    {
        // A field that loses the focus as its page goes is checked once the switch is done.
        const QScopedValueRollback switching(m_switchingPage, true);
        switchToPage(page);
    }
    if (!m_switchingPage)
        checkFieldLeftBySwitch();
}

void RecordEditor::switchToPage(int page) {
    m_pageTabPicture->setPixmap(tabPicture(page - 1));
    m_pageStack->setCurrentIndex(page - 1);
    for (int i = 0; i < 4; ++i) {
        QFont font = m_pageTabs[i]->font();
        font.setBold(i == page - 1);
        m_pageTabs[i]->setFont(font);
    }
    if (page == 2) {
        const int year = returnYear().toInt();
        for (int i = 0; i < 4; ++i)
            m_yearLabels[i]->setText(QString::number(i % 2 == 0 ? year - 1 : year));
    }
    if (page == 2)
        m_periodDateEdits[0]->setFocus();
    else if (page == 3)
        m_residenceFlagEdit->setFocus();
    else if (page == 4)
        m_overseasFlagEdit->setFocus();
}

bool RecordEditor::isPageVisible(int page) const {
    return m_pageStack->currentIndex() == page - 1;
}

int RecordEditor::visiblePage() const {
    return m_pageStack->currentIndex() + 1;
}

void RecordEditor::rememberCurrentId() {
    try {
        m_rememberedId = m_records.value(QStringLiteral("ID"));
    } catch (const EngineError& error) {
        if (error.number() != engine::NoCurrentRecord)
            showPlain(error.description());
    }
}

void RecordEditor::markRecordChanged() {
    if (m_commandState != CommandState::Browsing)
        return;
    rememberCurrentId();
    try {
        m_records.edit();
    } catch (const EngineError& error) {
        showError(error.description());
        return;
    }
    applyCommandState(CommandState::Editing);
}

void RecordEditor::endOfEditState() {
    applyCommandState(CommandState::Browsing);
    if (m_statusEdit->text().isEmpty())
        m_statusEdit->setText(QStringLiteral("O"));
    showPage(1);
    m_tracking = true;
}

void RecordEditor::newRecordState() {
    if (!m_placeholderSource)
        rememberCurrentId();
    m_tracking = false;
    m_records.addNew();
    showCurrentRow();
    applyCommandState(CommandState::NewRecord);
    m_statusEdit->setText(QStringLiteral("O"));
    for (FieldEdit* amount : m_incomeEdits)
        amount->clear();
    for (FieldEdit* rent : m_rentEdits)
        rent->clear();
    showPage(1);
    m_newRecordTexts = fieldTexts();
}

QStringList RecordEditor::fieldTexts() const {
    QStringList texts;
    for (const FieldEdit* edit : m_bound)
        texts << edit->text();
    return texts;
}

bool RecordEditor::hasUnsavedChanges() const {
    if (m_commandState == CommandState::NewRecord)
        return fieldTexts() != m_newRecordTexts;
    return m_commandState == CommandState::Editing;
}

void RecordEditor::applyCommandState(CommandState state) {
    m_commandState = state;
    const bool browsing = state == CommandState::Browsing;
    m_navigator->setEnabled(browsing);
    if (state == CommandState::NewRecord)
        m_navigator->setCaption(QStringLiteral("New Record"));
    m_quitButton->setText(browsing ? quitCaption : cancelCaption);
    m_quitButton->setAccessibleName(browsing ? QStringLiteral("Quit") : QStringLiteral("Cancel"));
    m_quitButton->setEnabled(true);
    for (QPushButton* command :
         {m_newRecordButton, m_deleteButton, m_nameSearchButton, m_saveToMediumButton,
          m_printAllButton, m_printButton, m_sortButton})
        command->setEnabled(browsing);
    m_updateButton->setEnabled(!browsing);
}

void RecordEditor::chooseRecordType(int index) {
    static const std::array<QString, 3> codes{QStringLiteral("O"), QStringLiteral("R"),
                                              QStringLiteral("S")};
    if (m_statusEdit->text() == codes[index])
        return;
    markRecordChanged();
    m_statusEdit->setText(codes[index]);
    if (index == 0)
        m_sheetNumberEdit->setText(QStringLiteral(" "));
}

void RecordEditor::showRecordType() {
    static const QStringList codes{QStringLiteral("O"), QStringLiteral("R"), QStringLiteral("S")};
    const QString status = m_statusEdit->text();
    if (status == QStringLiteral("H"))
        return;
    const int option = codes.indexOf(status);
    if (option < 0) {
        m_statusEdit->setText(QStringLiteral("O"));
        return;
    }
    m_statusOptions[option]->setChecked(true);
    m_sheetNumberEdit->setEnabled(option != 0);
    m_sheetNumberEdit->setGreyed(option == 0);
}

bool RecordEditor::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 4; ++i)
        if (watched == m_pageTabs[i] && event->type() == QEvent::MouseButtonRelease) {
            showPage(i + 1);
            return true;
        }
    if (event->type() == QEvent::KeyRelease &&
        std::find(m_statusOptions.begin(), m_statusOptions.end(), watched) !=
            m_statusOptions.end()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_PageUp)
            showPage(4);
        else if (key == Qt::Key_PageDown)
            showPage(2);
    }
    return QWidget::eventFilter(watched, event);
}
