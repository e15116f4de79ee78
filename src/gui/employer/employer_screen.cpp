#include "gui/employer/employer_screen.h"

#include "core/employer/employer_rules.h"
#include "core/platform/services.h"
#include "core/records/field_rules.h"
#include "gui/common/message_boxes.h"
#include "gui/startup/backup_prompt.h"
#include "gui/startup/default_password_notes.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"
#include "store/common/schema.h"
#include "store/employer/employer_table.h"
#include "store/records/employee_table.h"
#include "store/startup/backup_guard.h"
#include "store/startup/backups.h"
#include "store/startup/login.h"
#include "store/startup/run_state.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QScopedValueRollback>
#include <array>

using widgets::named;

namespace {

// Each field and the employer column it shows, in tab order.
struct Binding {
    const char* control;
    const char* column;
    QString EmployerData::*value;
};
constexpr std::array bindings{
    Binding{"tReturnYear", "ReturnYear", &EmployerData::returnYear},
    Binding{"tSession", "Session", &EmployerData::section},
    Binding{"tBRN", "BRN", &EmployerData::fileNumber},
    Binding{"tName", "Name", &EmployerData::name},
    Binding{"tSubDate", "SubmissionDate", &EmployerData::submissionDate},
    Binding{"tDesignation", "Designation", &EmployerData::designation},
};

int widthOf(const char* name) {
    return column(employerColumns(), QLatin1String(name)).width;
}

QLabel* text(QWidget* parent, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// The widgets side by side, kept to the left or to the right of the line.
QHBoxLayout* line(std::initializer_list<QWidget*> widgets, Qt::Alignment side = Qt::AlignLeft) {
    auto* layout = new QHBoxLayout;
    if (side == Qt::AlignRight)
        layout->addStretch();
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (side == Qt::AlignLeft)
        layout->addStretch();
    return layout;
}

} // namespace

EmployerScreen::EmployerScreen(RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fSubInfo"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QObject::tr("Common data for XW73D records"));
    createFields();
    layOut();
    wireEvents();
}

void EmployerScreen::createFields() {
    const std::array<FieldEdit**, bindings.size()> targets{
        &m_returnYearEdit,   &m_fileSectionEdit,    &m_fileNumberEdit,
        &m_employerNameEdit, &m_submissionDateEdit, &m_designationEdit};
    for (std::size_t i = 0; i < bindings.size(); ++i) {
        *targets[i] = named(new FieldEdit(this), bindings[i].control);
        (*targets[i])->setMaxLength(widthOf(bindings[i].column));
    }
    for (FieldEdit* digitsOnly : {m_returnYearEdit, m_fileNumberEdit, m_submissionDateEdit})
        digitsOnly->setKeyFilter([](char32_t key) {
            if (digitOrBackspace(key))
                return true;
            platform::services().beep();
            return false;
        });
    m_fileSectionEdit->setAccessibleName(QObject::tr("Employer's File Number, section"));
    m_fileNumberEdit->setAccessibleName(QObject::tr("Employer's File Number, number"));

    m_continueButton = widgets::button(this, "cContinue", QObject::tr("&Continue"));
    m_quitButton = widgets::button(this, "cQuit", QObject::tr("&Quit"));
    m_continueButton->setDefault(true);
}

// Widths in digits of the screen's font, so the screen grows with the font and the scale.
void EmployerScreen::sizeFields() {
    const int digit = fontMetrics().horizontalAdvance(u'0');
    for (const auto& [field, digits] :
         {std::pair{m_returnYearEdit, 7}, std::pair{m_fileSectionEdit, 3},
          std::pair{m_fileNumberEdit, 11}, std::pair{m_submissionDateEdit, 11}})
        field->setFixedWidth(digit * digits);
    m_employerNameEdit->setMinimumWidth(digit * 40);
    setMinimumWidth(digit * 90); // room for the wrapped captions at any font size
}

void EmployerScreen::layOut() {
    sizeFields();
    auto* grid = new QGridLayout(this);
    int row = 0;
    if (m_state.madeWorkingDatabase)
        grid->addWidget(defaultpassword::newDatabaseNote(this), row++, 0, 1, 2);
    const auto addRow = [&](const QString& caption, QWidget* field, QLayout* beside = nullptr) {
        QLabel* label = widgets::labelFor(this, caption, field);
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        if (beside)
            grid->addLayout(beside, row++, 1);
        else
            grid->addWidget(field, row++, 1);
    };
    grid->addWidget(text(this, QObject::tr("Please enter the following information and click "
                                           "the 'Continue' button to go to next screen.")),
                    row++, 0, 1, 2);
    addRow(QObject::tr("Employer's Return for the year ended 31 March"), m_returnYearEdit);
    addRow(QObject::tr("Employer's File Number      6"), m_fileSectionEdit,
           line({m_fileSectionEdit, widgets::labelFor(this, QStringLiteral("1-"), m_fileNumberEdit),
                 m_fileNumberEdit}));
    grid->addWidget(text(this, QObject::tr("(as shown at the top left hand corner of the "
                                           "address box on X.W.D. Form 73C)")),
                    row++, 1);
    addRow(QObject::tr("Name of Employer"), m_employerNameEdit);
    addRow(QObject::tr("Date of Submission of XW73D"), m_submissionDateEdit,
           line({m_submissionDateEdit, text(this, QObject::tr("(Day Month Year e.g. 01052002)"))}));
    addRow(QObject::tr("Designation (State: Proprietor/Precedent Partner/ "
                       "Secretary/Manager/Liquidator/Principal Officer)"),
           m_designationEdit);
    grid->addWidget(text(this, QObject::tr("The inputted data in this screen will be used as "
                                           "common data for the inputted XW73D records.  Any "
                                           "amendment of the data in this screen will "
                                           "automatically amend the data of the inputted "
                                           "XW73D records.")),
                    row++, 0, 1, 2);
    grid->addLayout(line({m_continueButton, m_quitButton}, Qt::AlignRight), row, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    setTabOrders({m_returnYearEdit, m_fileSectionEdit, m_fileNumberEdit, m_employerNameEdit,
                  m_submissionDateEdit, m_designationEdit, m_continueButton, m_quitButton});
}

void EmployerScreen::setTabOrders(std::initializer_list<QWidget*> order) {
    for (auto next = order.begin() + 1; next < order.end(); ++next)
        setTabOrder(*(next - 1), *next);
}

void EmployerScreen::wireEvents() {
    connect(m_continueButton, &QPushButton::clicked, this, &EmployerScreen::continueToRecords);
    connect(m_quitButton, &QPushButton::clicked, this, &EmployerScreen::quitWithoutSaving);
    connect(m_returnYearEdit, &FieldEdit::gotFocus, this, &EmployerScreen::rememberYear);
    connect(m_fileSectionEdit, &FieldEdit::gotFocus, this, &EmployerScreen::rememberSection);
    connect(m_fileSectionEdit, &QLineEdit::textChanged, this, &EmployerScreen::upperCaseSection);
    connect(m_fileNumberEdit, &FieldEdit::gotFocus, this, &EmployerScreen::rememberFileNumber);
    const std::array<std::pair<FieldEdit*, Check>, 3> leaveChecks{{
        {m_returnYearEdit, &EmployerScreen::checkReturnYear},
        {m_fileSectionEdit, &EmployerScreen::checkSection},
        {m_fileNumberEdit, &EmployerScreen::checkFileNumber},
    }};
    for (const auto& [field, check] : leaveChecks)
        m_entry.watchLeave(field, this, [this, check] { return leaveCheck(check); });
    for (FieldEdit* limited : {m_employerNameEdit, m_designationEdit}) {
        const int bytes = limited->maxLength();
        connect(limited, &FieldEdit::gotFocus, this,
                [this, limited] { m_entry.accept(limited->text()); });
        connect(limited, &QLineEdit::textChanged, this,
                [this, limited, bytes] { m_entry.guardBytes(limited, bytes); });
    }
}

bool EmployerScreen::load() {
    const bool ready = runReportingErrors([this] {
        setUpRunFiles(m_state);
        readEmployerRow();
    });
    if (!ready) {
        close();
        return false;
    }
    showRow();
    // The year field holds the first focus: what it shows now is the year it started with.
    m_rememberedYear = m_returnYearEdit->text();
    return true;
}

void EmployerScreen::readEmployerRow() {
    const employertable::StoredEmployer stored = employertable::readEmployer(m_state.db());
    m_rowId = stored.rowId;
    m_saved = stored.data;
}

void EmployerScreen::showRow() {
    for (const Binding& binding : bindings)
        findChild<FieldEdit*>(QLatin1String(binding.control))->setText(m_saved.*binding.value);
}

EmployerData EmployerScreen::employerData() const {
    EmployerData data = m_saved;
    for (const Binding& binding : bindings)
        data.*binding.value = findChild<FieldEdit*>(QLatin1String(binding.control))->text();
    return data;
}

bool EmployerScreen::save() {
    EmployerData data = employerData();
    data.version = schema::currentVersion;
    if (!runReportingErrors([&] { employertable::writeEmployer(m_state.db(), m_rowId, data); }))
        return false;
    m_saved = data;
    return true;
}

void EmployerScreen::continueToRecords() {
    // The checks move the focus themselves; those moves must not start the leave checks again.
    const QScopedValueRollback checking(m_checking, true);
    if (!checkReturnYear() || !checkSection() || !checkFileNumber() || !checkSubmissionDate())
        return;
    const QList<FieldEdit*> required{m_returnYearEdit,   m_fileSectionEdit, m_fileNumberEdit,
                                     m_employerNameEdit, m_designationEdit, m_submissionDateEdit};
    QStringList texts;
    for (const FieldEdit* field : required)
        texts << field->text();
    if (const int blank = firstBlank(texts); blank >= 0) {
        say(missingDataMessage);
        required.at(blank)->setFocus();
        return;
    }
    if (!save())
        return;
    // Hidden first, so that the editor's first message does not stand over this screen.
    hide();
    emit continued(m_saved);
}

void EmployerScreen::quitWithoutSaving() {
    // Nothing typed on this screen is written.
    platform::endRun(0);
}

void EmployerScreen::reject() {}

void EmployerScreen::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
        quitWithoutSaving();
        return;
    }
    QWidget::closeEvent(event);
}

void EmployerScreen::rememberYear() {
    m_rememberedYear = m_returnYearEdit->text();
}

void EmployerScreen::rememberSection() {
    m_rememberedSection = m_fileSectionEdit->text();
    m_fileSectionEdit->setText(m_fileSectionEdit->text().trimmed());
}

void EmployerScreen::upperCaseSection() {
    const QString upper = m_fileSectionEdit->text().toUpper();
    if (upper != m_fileSectionEdit->text())
        m_fileSectionEdit->setText(upper);
}

void EmployerScreen::rememberFileNumber() {
    m_rememberedFileNumber = m_fileNumberEdit->text();
}

bool EmployerScreen::leaveCheck(Check check) {
    if (m_checking)
        return false;
    const int shownBefore = m_messagesShown;
    const QScopedValueRollback checking(m_checking, true);
    (this->*check)();
    return m_messagesShown != shownBefore;
}

bool EmployerScreen::checkReturnYear() {
    if (const auto refusal = returnYearRefusal(m_returnYearEdit->text()))
        return refuse(m_returnYearEdit, *refusal, m_rememberedYear);
    if (yearChangeNeedsConsent(m_rememberedYear, m_returnYearEdit->text()))
        confirmYearChange();
    return true;
}

void EmployerScreen::confirmYearChange() {
    ++m_messagesShown;
    if (confirm(yearChangeQuestion()) && clearPagesTwoToFour()) {
        m_rememberedYear = m_returnYearEdit->text();
        return;
    }
    m_returnYearEdit->setText(m_rememberedYear);
    m_returnYearEdit->setFocus();
}

// The records lose the figures of the old year and the employer row takes the new one together,
// so that a run ending before Continue leaves neither half of the change alone.
bool EmployerScreen::clearPagesTwoToFour() {
    if (!goOnAfterBackup(backUpBeforeOperation(m_state.db(), m_state.programFolder,
                                               m_state.loginPassword, backups::reason::yearChange)))
        return false;
    const QString year = m_returnYearEdit->text();
    if (!runReportingErrors([&] { changeReturnYear(m_state.db(), m_rowId, year); }))
        return false;
    m_saved.returnYear = year;
    return true;
}

bool EmployerScreen::checkSection() {
    if (const auto refusal = sectionRefusal(m_fileSectionEdit->text()))
        return refuse(m_fileSectionEdit, *refusal, m_rememberedSection);
    m_fileSectionEdit->setText(m_fileSectionEdit->text().toUpper());
    return true;
}

bool EmployerScreen::checkFileNumber() {
    const FileNumberVerdict verdict = ::checkFileNumber(m_fileNumberEdit->text());
    m_fileNumberEdit->setText(verdict.text);
    if (verdict.refusal)
        return refuse(m_fileNumberEdit, *verdict.refusal, m_rememberedFileNumber);
    return true;
}

bool EmployerScreen::checkSubmissionDate() {
    if (const auto refusal =
            submissionDateRefusal(m_submissionDateEdit->text(), m_returnYearEdit->text()))
        return refuse(m_submissionDateEdit, *refusal);
    return true;
}

void EmployerScreen::say(const QString& message) {
    ++m_messagesShown;
    showError(message);
}

bool EmployerScreen::refuse(QLineEdit* field, const QString& message,
                            const std::optional<QString>& restored) {
    ++m_messagesShown;
    m_entry.refuse(field, message, restored);
    return false;
}
