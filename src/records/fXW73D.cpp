#include "records/fXW73D.h"

#include "common/message_boxes.h"
#include "common/version.h"
#include "platform/field_edit.h"
#include "platform/services.h"
#include "records/fNameSearch.h"
#include "records/navigator.h"
#include "startup/run_state.h"

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

QString displayText(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

} // namespace

fXW73D::fXW73D(RunState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_records(state.db()) {
    setObjectName(QStringLiteral("fXW73D"));
    setWindowTitle(QStringLiteral("XW73D ") + programVersion());
    buildScreen();
    wireFrame();
    wireCommands();
    wireFieldRules();
    applyCommandState(CommandState::Browsing);
    cUpdate->setEnabled(false);
}

fXW73D::~fXW73D() {
    delete m_nameSearch;
}

fNameSearch* fXW73D::nameSearch() const {
    return m_nameSearch;
}

QString fXW73D::returnYear() const {
    return m_returnYear ? m_returnYear() : m_state.returnYear;
}

FieldEdit* fXW73D::field(const QString& column) const {
    return m_bound.value(column.toLower(), nullptr);
}

void fXW73D::wireFrame() {
    connect(tStatus, &QLineEdit::textChanged, this, &fXW73D::tStatus_Change);
    for (int i = 0; i < 3; ++i)
        connect(optStatus[i], &QRadioButton::clicked, this, [this, i] { optStatus_Click(i); });
    connect(Data1, &Navigator::firstRequested, this,
            [this] { moveRecordSet([this] { m_records.moveFirst(); }); });
    connect(Data1, &Navigator::previousRequested, this, [this] {
        moveRecordSet([this] {
            m_records.movePrevious();
            if (m_records.isBof())
                m_records.moveFirst();
        });
    });
    connect(Data1, &Navigator::nextRequested, this, [this] {
        moveRecordSet([this] {
            m_records.moveNext();
            if (m_records.isEof())
                m_records.moveLast();
        });
    });
    connect(Data1, &Navigator::lastRequested, this,
            [this] { moveRecordSet([this] { m_records.moveLast(); }); });
    connect(cNameSearch, &QPushButton::clicked, this, &fXW73D::cNameSearch_Click);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Coming back from another of the program's windows counts as activation; coming back
        // from a message box does not, so a refused field keeps the focus it was given.
        if (now && now->window() == this && old && old->window() != this &&
            old->window()->objectName().startsWith(u'f'))
            activation();
    });
}

void fXW73D::load() {
    m_records.setSource(RecordSource::ByName);
    resize(sizeHint().expandedTo(QSize(760, 0)));
    show();
    // Without its records (a damaged page, a disk error) the editor cannot work: the user is
    // told why and the run ends without writing anything more.
    if (!attempt([this] { reloadRecordList(); })) {
        platform::endRun(1);
        return;
    }
    m_nameSearch = new fNameSearch(*this);
    if (isPageVisible(1))
        (tStatus->text() != QStringLiteral("O") ? tSheetNo : tPage1[0])->setFocus();
}

void fXW73D::activation() {
    for (int page : {2, 3, 4})
        if (isPageVisible(page)) {
            showPage(page);
            return;
        }
    showPage(1);
}

void fXW73D::reloadRecordList() {
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

void fXW73D::showCurrentRow() {
    m_tracking = false; // the record control's validate: what it shows is no change
    const bool hasRow =
        m_records.editMode() != EditMode::None || (!m_records.isEof() && !m_records.isBof());
    for (auto it = m_bound.cbegin(); it != m_bound.cend(); ++it)
        it.value()->setText(hasRow ? displayText(m_records.value(it.key())) : QString());
    enterFocusedFieldAgain();
    reposition();
}

void fXW73D::reposition() {
    if (m_records.editMode() == EditMode::Add)
        return;
    if (m_records.isEof() || m_records.isBof()) {
        Data1->setCaption(QStringLiteral("No records found!"));
        return;
    }
    const QVariant surname = m_records.value(QStringLiteral("Surname"));
    const QVariant firstName = m_records.value(QStringLiteral("FirstName"));
    if (surname.isNull()) {
        Data1->setCaption(QString());
        return;
    }
    Data1->setCaption(firstName.isNull()
                          ? surname.toString()
                          : surname.toString() + QStringLiteral(", ") + firstName.toString());
    m_tracking = true;
}

void fXW73D::writeFieldsToRecord() {
    for (auto it = m_bound.cbegin(); it != m_bound.cend(); ++it) {
        const ColumnDef& def = column(employeeColumns(), it.key());
        const QString text = it.value()->text();
        QVariant value;
        if (def.type != ColumnType::Text)
            value = text.trimmed().isEmpty() ? QVariant() : QVariant(text.trimmed().toLongLong());
        else if (!text.isEmpty() || def.emptyAllowed)
            value = text;
        m_records.setValue(it.key(), value);
    }
}

void fXW73D::moveRecordSet(const std::function<void()>& move) {
    if (m_commandState != CommandState::Browsing)
        return;
    try {
        move();
        showCurrentRow();
    } catch (const EngineError& error) {
        showError(error.description());
    }
}

bool fXW73D::showRecordWithId(qint64 id) {
    if (!m_records.findFirstById(id))
        return false;
    showCurrentRow();
    return true;
}

bool fXW73D::showRecordNamed(const QString& surname, const std::optional<QString>& firstName) {
    if (m_commandState != CommandState::Browsing) {
        platform::services().beep(); // a pending edit is finished with Update or Cancel first
        return false;
    }
    if (!m_records.findFirstByName(surname, firstName))
        return false;
    showCurrentRow();
    return true;
}

void fXW73D::showPage(int page) {
    {
        // A field that loses the focus as its page goes is checked once the switch is done.
        const QScopedValueRollback switching(m_switchingPage, true);
        switchToPage(page);
    }
    if (!m_switchingPage)
        checkFieldLeftBySwitch();
}

void fXW73D::switchToPage(int page) {
    Picture4->setPixmap(tabPicture(page - 1));
    m_pages->setCurrentIndex(page - 1);
    for (int i = 0; i < 4; ++i) {
        QFont font = lPage[i]->font();
        font.setBold(i == page - 1);
        lPage[i]->setFont(font);
    }
    if (page == 2) {
        const int year = returnYear().toInt();
        for (int i = 0; i < 4; ++i)
            lYear1[i]->setText(QString::number(i % 2 == 0 ? year - 1 : year));
    }
    if (page == 2)
        tddmmyy[0]->setFocus();
    else if (page == 3)
        tQFlag->setFocus();
    else if (page == 4)
        tOSeaFlag->setFocus();
}

bool fXW73D::isPageVisible(int page) const {
    return m_pages->currentIndex() == page - 1;
}

int fXW73D::visiblePage() const {
    return m_pages->currentIndex() + 1;
}

void fXW73D::rememberCurrentId() {
    try {
        m_rememberedId = m_records.value(QStringLiteral("ID"));
    } catch (const EngineError& error) {
        if (error.number() != engine::NoCurrentRecord)
            showPlain(error.description());
    }
}

void fXW73D::markRecordChanged() {
    if (cExit->text() == cancelCaption)
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

void fXW73D::endOfEditState() {
    applyCommandState(CommandState::Browsing);
    if (tStatus->text().isEmpty())
        tStatus->setText(QStringLiteral("O"));
    showPage(1);
    m_tracking = true;
}

void fXW73D::newRecordState() {
    if (!m_placeholderSource)
        rememberCurrentId();
    m_tracking = false;
    m_records.addNew();
    showCurrentRow();
    applyCommandState(CommandState::NewRecord);
    tStatus->setText(QStringLiteral("O"));
    for (FieldEdit* amount : tIncome)
        amount->clear();
    for (FieldEdit* rent : tRent1)
        rent->clear();
    showPage(1);
}

void fXW73D::applyCommandState(CommandState state) {
    m_commandState = state;
    const bool browsing = state == CommandState::Browsing;
    Data1->setEnabled(browsing);
    if (state == CommandState::NewRecord)
        Data1->setCaption(QStringLiteral("New Record"));
    cExit->setText(browsing ? quitCaption : cancelCaption);
    cExit->setAccessibleName(browsing ? QStringLiteral("Quit") : QStringLiteral("Cancel"));
    cExit->setEnabled(true);
    for (QPushButton* command : {cNew, cDelete, cNameSearch, cSaveFloppy, cPrintAll, cPrint, cSort})
        command->setEnabled(browsing);
    cUpdate->setEnabled(!browsing);
}

void fXW73D::optStatus_Click(int index) {
    static const std::array<QString, 3> codes{QStringLiteral("O"), QStringLiteral("R"),
                                              QStringLiteral("S")};
    if (tStatus->text() == codes[index])
        return;
    markRecordChanged();
    tStatus->setText(codes[index]);
    if (index == 0)
        tSheetNo->setText(QStringLiteral(" "));
}

void fXW73D::tStatus_Change() {
    static const QStringList codes{QStringLiteral("O"), QStringLiteral("R"), QStringLiteral("S")};
    const QString status = tStatus->text();
    if (status == QStringLiteral("H"))
        return;
    const int option = codes.indexOf(status);
    if (option < 0) {
        tStatus->setText(QStringLiteral("O"));
        return;
    }
    optStatus[option]->setChecked(true);
    tSheetNo->setEnabled(option != 0);
    tSheetNo->setGreyed(option == 0);
}

void fXW73D::cNameSearch_Click() {
    if (m_nameSearch && m_nameSearch->isVisible())
        m_nameSearch->close();
    delete m_nameSearch;
    m_nameSearch = new fNameSearch(*this);
    m_nameSearch->show();
    m_nameSearch->activateWindow();
}

bool fXW73D::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 4; ++i)
        if (watched == lPage[i] && event->type() == QEvent::MouseButtonRelease) {
            showPage(i + 1);
            return true;
        }
    if (event->type() == QEvent::KeyRelease &&
        std::find(optStatus.begin(), optStatus.end(), watched) != optStatus.end()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_PageUp)
            showPage(4);
        else if (key == Qt::Key_PageDown)
            showPage(2);
    }
    return QWidget::eventFilter(watched, event);
}
