#include "employer/fSubInfo.h"

#include "common/files.h"
#include "common/message_boxes.h"
#include "employer/employer_rules.h"
#include "platform/field_edit.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "records/field_rules.h"
#include "startup/paths.h"
#include "startup/run_state.h"
#include "store/employee_table.h"
#include "store/schema.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <array>

using widgets::named;

namespace {

// Each field and the employer column it shows, in tab order.
struct Binding {
    FieldEdit* fSubInfo::*field;
    const char* control;
    const char* column;
};
constexpr std::array bindings{
    Binding{&fSubInfo::tReturnYear, "tReturnYear", "ReturnYear"},
    Binding{&fSubInfo::tSession, "tSession", "Session"},
    Binding{&fSubInfo::tBRN, "tBRN", "BRN"},
    Binding{&fSubInfo::tName, "tName", "Name"},
    Binding{&fSubInfo::tSubDate, "tSubDate", "SubmissionDate"},
    Binding{&fSubInfo::tDesignation, "tDesignation", "Designation"},
};

int employerColumn(const char* name) {
    return columnIndex(employerColumns(), QLatin1String(name));
}

int widthOf(const char* name) {
    return column(employerColumns(), QLatin1String(name)).width;
}

QLabel* text(QWidget* parent, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// Eats the mouse press that is on its way to a control. A message shown while the focus moved
// stands for the modal box that swallows the click: the click must not run a command as well.
class PressDropper : public QObject {
public:
    explicit PressDropper(QWidget* target)
        : QObject(target) {
        target->installEventFilter(this);
        QTimer::singleShot(0, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::MouseButtonPress ||
               event->type() == QEvent::MouseButtonDblClick;
    }
};

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

void deleteImageFile(const QString& imagePath) {
    const QFileInfo image(imagePath);
    if (!files::remove(image.absolutePath(), image.fileName()))
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("The file '%1' cannot be deleted.").arg(imagePath));
}

} // namespace

fSubInfo::fSubInfo(RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fSubInfo"));
    setWindowTitle(QStringLiteral("Common data for XW73D records"));
    createFields();
    layOut();
    wireEvents();
}

void fSubInfo::createFields() {
    for (const Binding& binding : bindings) {
        FieldEdit* field = named(new FieldEdit(this), binding.control);
        field->setMaxLength(widthOf(binding.column));
        this->*binding.field = field;
    }
    for (FieldEdit* digitsOnly : {tReturnYear, tBRN, tSubDate})
        digitsOnly->setKeyFilter([](char32_t key) {
            if (digitOrBackspace(key))
                return true;
            platform::services().beep();
            return false;
        });
    tSession->setAccessibleName(QStringLiteral("Employer's File Number, section"));
    tBRN->setAccessibleName(QStringLiteral("Employer's File Number, number"));

    cContinue = widgets::button(this, "cContinue", QStringLiteral("&Continue"));
    cQuit = widgets::button(this, "cQuit", QStringLiteral("&Quit"));
    cContinue->setDefault(true);
}

void fSubInfo::layOut() {
    const int digit = fontMetrics().horizontalAdvance(u'0');
    for (const auto& [field, digits] : {std::pair{tReturnYear, 7}, std::pair{tSession, 3},
                                        std::pair{tBRN, 11}, std::pair{tSubDate, 11}})
        field->setFixedWidth(digit * digits);
    tName->setMinimumWidth(digit * 40);
    setMinimumWidth(digit * 90); // room for the wrapped captions at any font size

    auto* grid = new QGridLayout(this);
    int row = 0;
    const auto addRow = [&](const QString& caption, QWidget* field, QLayout* beside = nullptr) {
        QLabel* label = widgets::labelFor(this, caption, field);
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        if (beside)
            grid->addLayout(beside, row++, 1);
        else
            grid->addWidget(field, row++, 1);
    };
    grid->addWidget(text(this, QStringLiteral("Please enter the following information and click "
                                              "the 'Continue' button to go to next screen.")),
                    row++, 0, 1, 2);
    addRow(QStringLiteral("Employer's Return for the year ended 31 March"), tReturnYear);
    addRow(QStringLiteral("Employer's File Number      6"), tSession,
           line({tSession, widgets::labelFor(this, QStringLiteral("1-"), tBRN), tBRN}));
    grid->addWidget(text(this, QStringLiteral("(as shown at the top left hand corner of the "
                                              "address box on X.W.D. Form 73C)")),
                    row++, 1);
    addRow(QStringLiteral("Name of Employer"), tName);
    addRow(QStringLiteral("Date of Submission of XW73D"), tSubDate,
           line({tSubDate, text(this, QStringLiteral("(Day Month Year e.g. 01052002)"))}));
    addRow(QStringLiteral("Designation (State: Proprietor/Precedent Partner/ "
                          "Secretary/Manager/Liquidator/Principal Officer)"),
           tDesignation);
    grid->addWidget(text(this, QStringLiteral("The inputted data in this screen will be used as "
                                              "common data for the inputted XW73D records.  Any "
                                              "amendment of the data in this screen will "
                                              "automatically amend the data of the inputted "
                                              "XW73D records.")),
                    row++, 0, 1, 2);
    grid->addLayout(line({cContinue, cQuit}, Qt::AlignRight), row, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    setTabOrders({tReturnYear, tSession, tBRN, tName, tSubDate, tDesignation, cContinue, cQuit});
}

void fSubInfo::setTabOrders(std::initializer_list<QWidget*> order) {
    for (auto next = order.begin() + 1; next < order.end(); ++next)
        setTabOrder(*(next - 1), *next);
}

void fSubInfo::wireEvents() {
    connect(cContinue, &QPushButton::clicked, this, &fSubInfo::cContinue_Click);
    connect(cQuit, &QPushButton::clicked, this, &fSubInfo::cQuit_Click);
    connect(tReturnYear, &FieldEdit::gotFocus, this, &fSubInfo::tReturnYear_GotFocus);
    connect(tSession, &FieldEdit::gotFocus, this, &fSubInfo::tSession_GotFocus);
    connect(tSession, &QLineEdit::textChanged, this, &fSubInfo::tSession_Change);
    connect(tBRN, &FieldEdit::gotFocus, this, &fSubInfo::tBRN_GotFocus);
    const std::array<std::pair<FieldEdit*, Check>, 3> leaveChecks{{
        {tReturnYear, &fSubInfo::CheckReturnYear},
        {tSession, &fSubInfo::CheckSection},
        {tBRN, &fSubInfo::CheckFileNumber},
    }};
    for (const auto& [field, check] : leaveChecks)
        connect(field, &FieldEdit::lostFocus, this,
                [this, check](Qt::FocusReason reason) { leaveCheck(check, reason); });
    for (FieldEdit* limited : {tName, tDesignation}) {
        const int bytes = limited->maxLength();
        connect(limited, &FieldEdit::gotFocus, this,
                [this, limited] { m_lastAccepted = limited->text(); });
        connect(limited, &QLineEdit::textChanged, this,
                [this, limited, bytes] { limitedText_Change(limited, bytes); });
    }
}

bool fSubInfo::load() {
    try {
        deleteTempFiles(m_state.programFolder);
        const ImagePaths paths = setUpPaths(m_state.programFolder);
        m_state.imagePath = paths.imagePath;
        m_state.escapedImagePath = paths.escapedImagePath;
        deleteImageFile(m_state.imagePath);
        m_state.workingPath = databasePath(m_state.programFolder, DatabaseFile::Working);
        readEmployerRow();
    } catch (const EngineError& error) {
        showError(error.description());
        close();
        return false;
    }
    showRow();
    // The year field holds the first focus: what it shows now is the year it started with.
    m_rememberedYear = tReturnYear->text();
    m_state.returnYear = tReturnYear->text();
    return true;
}

void fSubInfo::readEmployerRow() {
    Statement query = m_state.db().prepare(
        QStringLiteral("select rowid, %1 from %2")
            .arg(columnList(employerColumns()), QLatin1String(table::employer)));
    if (!query.next())
        throw EngineError(engine::NoCurrentRecord, tr("The working database has no employer row."));
    m_rowId = query.value(0).toLongLong();
    m_row = readRow(query, employerColumns(), 1);
}

void fSubInfo::showRow() {
    for (const Binding& binding : bindings)
        (this->*binding.field)->setText(m_row.at(employerColumn(binding.column)).toString());
}

bool fSubInfo::save() {
    RowValues row = m_row;
    for (const Binding& binding : bindings) {
        const QString text = (this->*binding.field)->text();
        row[employerColumn(binding.column)] = text.isEmpty() ? QVariant() : QVariant(text);
    }
    row[employerColumn("Version")] = schema::currentVersion;
    try {
        updateRow(m_state.db(), table::employer, employerColumns(), m_rowId, row);
    } catch (const EngineError& error) {
        showError(error.description());
        return false;
    }
    m_row = row;
    return true;
}

void fSubInfo::cContinue_Click() {
    // The checks move the focus themselves; those moves must not start the leave checks again.
    const QScopedValueRollback checking(m_checking, true);
    if (!CheckReturnYear() || !CheckSection() || !CheckFileNumber() || !CheckSubmissionDate())
        return;
    const QList<FieldEdit*> required{tReturnYear, tSession, tBRN, tName, tDesignation, tSubDate};
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
    emit continued();
}

void fSubInfo::cQuit_Click() {
    // Nothing typed on this screen is written.
    platform::endRun(0);
}

void fSubInfo::reject() {}

void fSubInfo::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
        cQuit_Click();
        return;
    }
    QWidget::closeEvent(event);
}

void fSubInfo::tReturnYear_GotFocus() {
    m_rememberedYear = tReturnYear->text();
    m_state.returnYear = m_rememberedYear;
}

void fSubInfo::tSession_GotFocus() {
    m_rememberedSection = tSession->text();
    tSession->setText(tSession->text().trimmed());
}

void fSubInfo::tSession_Change() {
    const QString upper = tSession->text().toUpper();
    if (upper != tSession->text())
        tSession->setText(upper);
}

void fSubInfo::tBRN_GotFocus() {
    m_rememberedFileNumber = tBRN->text();
}

void fSubInfo::limitedText_Change(QLineEdit* field, int bytes) {
    const fieldrules::ChangeVerdict verdict =
        fieldrules::byteLengthGuard(field->text(), bytes, m_lastAccepted);
    if (!verdict.revert) {
        m_lastAccepted = field->text();
        return;
    }
    field->setText(verdict.text);
    platform::services().beep();
}

void fSubInfo::leaveCheck(Check check, Qt::FocusReason reason) {
    if (m_checking)
        return;
    const QPointer<QWidget> movingTo = QApplication::focusWidget();
    const int shownBefore = m_messagesShown;
    {
        const QScopedValueRollback checking(m_checking, true);
        (this->*check)();
    }
    if (reason == Qt::MouseFocusReason && m_messagesShown != shownBefore && movingTo)
        new PressDropper(movingTo);
}

bool fSubInfo::CheckReturnYear() {
    if (const auto refusal = returnYearRefusal(tReturnYear->text()))
        return refuse(tReturnYear, *refusal, m_rememberedYear);
    if (yearChangeNeedsConsent(m_rememberedYear, tReturnYear->text()))
        confirmYearChange();
    m_state.returnYear = tReturnYear->text();
    return true;
}

void fSubInfo::confirmYearChange() {
    ++m_messagesShown;
    if (confirm(yearChangeQuestion()) && clearPagesTwoToFour()) {
        m_rememberedYear = tReturnYear->text();
        return;
    }
    tReturnYear->setText(m_rememberedYear);
    tReturnYear->setFocus();
}

// The new year is taken only once the records no longer hold figures of the old one.
bool fSubInfo::clearPagesTwoToFour() {
    try {
        clearYearDependentColumns(m_state.db());
    } catch (const EngineError& error) {
        showError(error.description());
        return false;
    }
    return true;
}

bool fSubInfo::CheckSection() {
    if (const auto refusal = sectionRefusal(tSession->text()))
        return refuse(tSession, *refusal, m_rememberedSection);
    tSession->setText(tSession->text().toUpper());
    return true;
}

bool fSubInfo::CheckFileNumber() {
    const FileNumberVerdict verdict = checkFileNumber(tBRN->text());
    tBRN->setText(verdict.text);
    if (verdict.refusal)
        return refuse(tBRN, *verdict.refusal, m_rememberedFileNumber);
    return true;
}

bool fSubInfo::CheckSubmissionDate() {
    if (const auto refusal = submissionDateRefusal(tSubDate->text(), tReturnYear->text()))
        return refuse(tSubDate, *refusal);
    return true;
}

void fSubInfo::say(const QString& message) {
    ++m_messagesShown;
    showError(message);
}

bool fSubInfo::refuse(QLineEdit* field, const QString& message,
                      const std::optional<QString>& restored) {
    say(message);
    if (restored)
        field->setText(*restored);
    field->setFocus();
    return false;
}
