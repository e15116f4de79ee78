#include "gui/records/record_editor.h"
#include "gui/records/record_editor_parts.h"

#include "core/common/version.h"
#include "core/platform/services.h"
#include "core/records/editor_texts.h"
#include "core/records/record_types.h"
#include "gui/common/message_boxes.h"
#include "gui/records/command_bar.h"
#include "gui/records/command_links.h"
#include "gui/records/editor_field_entry.h"
#include "gui/records/editor_menu.h"
#include "gui/records/editor_status.h"
#include "gui/records/field_binder.h"
#include "gui/records/name_search_link.h"
#include "gui/records/navigator.h"
#include "gui/records/page_frame.h"
#include "gui/records/record_pages.h"
#include "gui/startup/default_password_notes.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"
#include "store/records/record_session.h"
#include "store/startup/run_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QObject>
#include <QRadioButton>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

RecordEditor::RecordEditor(RunState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_parts(std::make_unique<Parts>(state.db())) {
    setObjectName(QStringLiteral("fXW73D"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QStringLiteral("XW73D ") + programVersion());
    buildScreen();
    wireFrame();
    wireCommands();
    m_parts->fieldEntry = new EditorFieldEntry(
        m_parts->binder, m_parts->pages->incomePage().total(),
        {[this] { markRecordChanged(); }, [this] { return m_parts->tracking; },
         [this](int page) { showPage(page); }, [this](int page) { return isPageVisible(page); }},
        this);
    setReadingTabOrder();
    applyCommandState(CommandState::Browsing);
    linkPrinting(*this);
    linkSaving(*this);
    linkChecking(*this);
    linkTransfer(*this);
}

RecordEditor::~RecordEditor() = default;

const QString& RecordEditor::programFolder() const {
    return m_state.programFolder;
}

bool RecordEditor::isTracking() const {
    return m_parts->tracking;
}

RecordEditor::CommandState RecordEditor::commandState() const {
    return m_parts->session.state();
}

bool RecordEditor::isNoRecordMode() const {
    return m_parts->session.isNoRecordMode();
}

qint32 RecordEditor::nextRecordId() const {
    return m_parts->session.nextRecordId();
}

qint32 RecordEditor::sheetCounter() const {
    return m_parts->session.sheetCounter();
}

RecordSet& RecordEditor::records() {
    return m_parts->session.records();
}

CommandBar& RecordEditor::commands() const {
    return *m_parts->commands;
}

FieldEdit* RecordEditor::field(const QString& column) const {
    return m_parts->binder.field(column);
}

void RecordEditor::buildScreen() {
    Parts& p = *m_parts;
    p.navigator = widgets::named(new Navigator(this), "Data1");
    p.pages = new PageFrame(p.binder, this);
    p.binder.create(this, "tStatus")->hide();
    p.binder.create(this, "tID")->hide();
    p.splitter = new QSplitter(this);
    p.splitter->addWidget(p.pages);
    p.splitter->setCollapsible(0, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(p.splitter, 1);
    layout->addWidget(p.navigator);
    layout->addWidget(p.commands = new CommandBar(this));
    if (defaultpassword::inUse(m_state))
        layout->addWidget(defaultpassword::editorLine(this));
    layout->setMenuBar(new EditorMenu(*this, *p.commands));
    layout->addWidget(p.statusBar = new EditorStatus(this));
    // The pages meet the menu bar and the status bar meets the window's lower edge, as in any
    // main window, and the parts keep a little closer, so that with both bars the editor still
    // fits a 768-pixel laptop screen.
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(margins.left(), 0, margins.right(), 0);
    layout->setSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing) / 3);
    connect(this, &RecordEditor::resultReported, p.statusBar, &EditorStatus::showResult);
}

void RecordEditor::setEmployer(const EmployerData& employer) {
    m_employer = employer;
    setWindowTitle(editortexts::windowTitle(QStringLiteral("XW73D ") + programVersion(), employer));
    m_parts->statusBar->showEmployer(employer);
}

// "Record n of N" follows the record control: every row it shows and every change of state.
void RecordEditor::showPosition() {
    // The placeholder row of an empty table is no record the user has.
    const RecordSet& records = m_parts->session.records();
    m_parts->statusBar->showPosition(editortexts::recordPosition(
        commandState(), isNoRecordMode() ? -1 : records.position(), records.count()));
}

void RecordEditor::wireFrame() {
    Parts& p = *m_parts;
    connect(p.status(), &QLineEdit::textChanged, this, &RecordEditor::showRecordType);
    for (int i = 0; i < 3; ++i)
        connect(p.pages->identityPage().recordTypeOption(i), &QRadioButton::clicked, this,
                [this, i] { chooseRecordType(i); });
    p.pages->identityPage().setPaging([this](int page) { showPage(page); });
    connect(p.pages, &PageFrame::tabClicked, this, &RecordEditor::showPage);
    connect(p.navigator, &Navigator::firstRequested, this,
            [this] { moveRecordSet([](RecordSet& records) { records.moveFirst(); }); });
    connect(p.navigator, &Navigator::previousRequested, this, [this] {
        moveRecordSet([](RecordSet& records) {
            records.movePrevious();
            if (records.isBof())
                records.moveFirst();
        });
    });
    connect(p.navigator, &Navigator::nextRequested, this, [this] {
        moveRecordSet([](RecordSet& records) {
            records.moveNext();
            if (records.isEof())
                records.moveLast();
        });
    });
    connect(p.navigator, &Navigator::lastRequested, this,
            [this] { moveRecordSet([](RecordSet& records) { records.moveLast(); }); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Coming back from another of the program's windows counts as activation; coming back
        // from a message box does not, so a refused field keeps the focus it was given.
        if (now && now->window() == this && old && old->window() != this &&
            widgets::isProgramWindow(old->window()))
            showPage(visiblePage());
    });
}

// The record control, built first, goes after the fields as it sits below them, then the
// commands.
void RecordEditor::setReadingTabOrder() {
    QWidget* previous = m_parts->binder.element("tPage4", 4);
    for (QWidget* next : m_parts->navigator->buttons()) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, m_parts->commands->firstCommand());
}

void RecordEditor::load() {
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
        (m_parts->status()->text() != recordtype::code(recordtype::original)
             ? m_parts->sheetNumber()
             : m_parts->binder.element("tPage1", 0))
            ->setFocus();
}

void RecordEditor::reloadRecordList() {
    m_parts->tracking = false;
    if (!m_parts->session.reload()) {
        enterNoRecordMode(QObject::tr("No record found. Please add new record!"));
        return;
    }
    showCurrentRecord();
    showPage(1);
    m_parts->tracking = true;
}

QSplitter* RecordEditor::placeBesidePages(QWidget* panel) {
    m_parts->splitter->insertWidget(0, panel);
    m_parts->splitter->setStretchFactor(1, 1);
    return m_parts->splitter;
}

void RecordEditor::showCurrentRecord() {
    m_parts->tracking = false; // the record control's validate: what it shows is no change
    m_parts->binder.show(m_parts->session.currentTexts());
    showPosition();
    emit recordShown();
    m_parts->fieldEntry->followMaritalStatus();
    m_parts->fieldEntry->enterFocusedFieldAgain(focusWidget());
    // The record control's caption names the row; a row without surname starts no edit.
    const RecordSet& records = m_parts->session.records();
    if (records.editMode() == EditMode::Add)
        return;
    if (records.isEof() || records.isBof()) {
        m_parts->navigator->setCaption(QObject::tr("No records found!"));
        return;
    }
    const QVariant surname = records.value(QStringLiteral("Surname"));
    const QVariant firstName = records.value(QStringLiteral("FirstName"));
    if (surname.isNull()) {
        m_parts->navigator->setCaption(QString());
        return;
    }
    m_parts->navigator->setCaption(firstName.isNull() ? surname.toString()
                                                      : surname.toString() + QStringLiteral(", ") +
                                                            firstName.toString());
    m_parts->tracking = true;
}

bool RecordEditor::showFoundRecord(const std::function<bool(RecordSet&)>& find) {
    if (commandState() != CommandState::Browsing) {
        platform::services().beep();
        return false;
    }
    if (!find(records()))
        return false;
    showCurrentRecord();
    return true;
}

void RecordEditor::moveRecordSet(void (*move)(RecordSet&)) {
    if (commandState() != CommandState::Browsing)
        return;
    runReportingErrors([this, move] {
        move(records());
        showCurrentRecord();
    });
}

void RecordEditor::showPage(int page) {
    m_parts->fieldEntry->whileSwitchingPage(
        [this, page] { m_parts->pages->switchTo(page, m_employer.returnYear.toInt()); });
}

bool RecordEditor::isPageVisible(int page) const {
    return visiblePage() == page;
}

int RecordEditor::visiblePage() const {
    return m_parts->pages->visiblePage();
}
