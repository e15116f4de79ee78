#include "gui/submission/save_screen.h"

#include "core/platform/printing.h"
#include "core/platform/program_folder.h"
#include "core/reports/pdf_names.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/window_place.h"
#include "gui/reports/report_output.h"
#include "gui/submission/medium_preparation.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"
#include "store/returns/summary_file.h"
#include "store/startup/run_state.h"
#include "store/submission/control_list.h"
#include "store/submission/save_flow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using saverules::ScreenState;

namespace {

QLabel* instruction(QWidget* parent, const char* name, const QString& text) {
    auto* label = widgets::named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    return label;
}

} // namespace

SaveScreen::SaveScreen(RunState& state, QString fileNumber, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_fileNumber(std::move(fileNumber))
    , m_mediumFolder(platform::mediumFolder(m_state.requestedMedium)) {
    setObjectName(QStringLiteral("fSave"));
    widgets::markAsProgramWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QObject::tr("Save to removable media"));
    buildScreen();
    m_fileNameEdit->setText(saverules::defaultTargetPath(m_mediumFolder, m_fileNumber));
    setOversize(false);
}

void SaveScreen::buildScreen() {
    auto* frame = widgets::named(new QGroupBox(this), "Frame1");
    m_normalInstruction = instruction(
        frame, "Label2",
        QObject::tr("The data file will be saved in the path shown below  (Please do not "
                    "change the file name).  Please insert a blank 3.5\" 1.44MB floppy and "
                    "press 'OK' to save it.  "));
    m_oversizeInstruction = instruction(
        frame, "Label1",
        QObject::tr("The size of your current data file exceeds the storage capacity of a "
                    "3.5\" 1.44MB floppy diskette. Please use other storage media (e.g. CD-R "
                    "or ZIP disks) to save it.  Please change the Drive Letter of the file "
                    "name shown below to the corresponding media and press 'OK' to save the "
                    "data file."));
    m_normalProgress =
        instruction(frame, "Label4",
                    QObject::tr("The Program is now saving the file to floppy.  Please Wait !"));
    m_oversizeProgress = instruction(
        frame, "Label3",
        QObject::tr("The program is now writing the file to the designated media.  Please "
                    "Wait !"));
    m_fileNameEdit = widgets::named(new FieldEdit(frame), "tFileName");
    m_fileNameEdit->setKeyFilter([this](char32_t key) { return fileNameKey(key); });
    m_fileNameEdit->installEventFilter(this);
    auto* fileNameLabel = widgets::named(
        widgets::labelFor(frame, QObject::tr("File Name:"), m_fileNameEdit), "lFileName");
    m_progressBar = widgets::named(new QProgressBar(frame), "saveProgress");
    m_progressBar->setRange(0, 1000);
    m_okButton = widgets::button(this, "cOK", QObject::tr("&OK"));
    m_okButton->setDefault(true);
    m_cancelButton = widgets::button(this, "cCancel", QObject::tr("&Cancel"));
    // A plain window has no default button of its own: Enter in the name presses OK.
    connect(m_fileNameEdit, &QLineEdit::returnPressed, m_okButton, &QPushButton::click);
    auto* inside = new QVBoxLayout(frame);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_normalInstruction, m_oversizeInstruction, m_normalProgress, m_oversizeProgress,
             fileNameLabel, m_fileNameEdit, m_progressBar})
        inside->addWidget(widget);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(m_okButton);
    commands->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(commands);
    connect(m_okButton, &QPushButton::clicked, this, &SaveScreen::confirmSave);
    connect(m_cancelButton, &QPushButton::clicked, this, &SaveScreen::discard);
    platform::keepWindowPlace(this, objectName(), QSize(520, sizeHint().height()));
}

void SaveScreen::setOversize(bool oversize) {
    m_oversize = oversize;
    applyState(oversize ? ScreenState::ReadyOversize : ScreenState::ReadyNormal);
}

void SaveScreen::applyState(ScreenState state) {
    const saverules::ScreenLook look = saverules::lookOf(state);
    m_normalInstruction->setVisible(look.normalInstruction);
    m_oversizeInstruction->setVisible(look.oversizeInstruction);
    m_oversizeProgress->setVisible(look.oversizeProgress);
    m_normalProgress->setVisible(look.normalProgress);
    m_fileNameEdit->setEnabled(look.nameEditable);
    m_okButton->setVisible(look.commandsShown);
    m_cancelButton->setVisible(look.commandsShown);
    m_progressBar->setVisible(look.progressShown);
}

bool SaveScreen::fileNameKey(char32_t key) {
    if (saverules::isFileNameKey(static_cast<int>(key)))
        return true;
    showError(saverules::invalidCharactersText());
    return false;
}

// Control keys reach the name's key filter as their codes (the paste shortcut as 22), so they
// are refused like any other key outside the name's characters.
bool SaveScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_fileNameEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A &&
            key->key() <= Qt::Key_Z && !fileNameKey(char32_t(key->key() - Qt::Key_A + 1)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SaveScreen::closeEvent(QCloseEvent* event) {
    // Once the save runs it ends by itself, with its clean-up; closing it half-way is refused.
    if (m_saving) {
        platform::services().beep();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void SaveScreen::discard() {
    removeWorkFiles();
    close();
}

void SaveScreen::removeWorkFiles() {
    runReportingErrors(
        [this] { saveflow::removeWorkFiles(m_state.programFolder, m_state.imagePath); });
}

void SaveScreen::confirmSave() {
    const QString text = m_fileNameEdit->text();
    if (const std::optional<QString> problem =
            saverules::fileNameProblem(text, m_fileNumber, m_oversize, m_mediumFolder)) {
        showError(*problem);
        m_fileNameEdit->setFocus();
        return;
    }
    m_saving = true;
    emit savingChanged(true);
    m_fileNameEdit->setEnabled(false);
    endSave(save(saverules::targetPathOf(text)).messages);
}

saveflow::Outcome SaveScreen::save(const QString& target) {
    saveflow::Outcome outcome = saveflow::checkTarget(target);
    if (outcome.succeeded())
        outcome = prepareMedium(target, m_mediumFolder);
    if (!outcome.succeeded())
        return outcome;
    applyState(m_oversize ? ScreenState::SavingOversize : ScreenState::SavingNormal);
    showProgress(0);
    m_hourglass.emplace();
    const QDateTime savedAt = platform::services().now();
    outcome = saveflow::writeAndCopy({m_state.programFolder, m_state.imagePath, target, savedAt},
                                     [this](int permille) { showProgress(permille); });
    // The list of returns shows when the return last went onto a medium.
    if (outcome.succeeded())
        runReportingErrors(
            [&] { returnfiles::recordSummary(m_state.db(), m_state.programFolder, savedAt); });
    std::shared_ptr<ControlList> list;
    if (outcome.succeeded())
        outcome = showControlList(target, list);
    if (outcome.succeeded())
        if (const std::optional<QString> problem = saveflow::keepInArchive(
                m_state.programFolder, target, *list, m_state.loginPassword, savedAt,
                [](const report::Report& list) { return report::pdfBytes(list); }))
            outcome.messages << *problem;
    return outcome;
}

// The list shown is handed back, so that the archive keeps the same one.
saveflow::Outcome SaveScreen::showControlList(const QString& target,
                                              std::shared_ptr<ControlList>& shown) {
    m_hourglass.reset();
    showInformation(saverules::printerText());
    m_hourglass.emplace();
    QApplication::processEvents();
    const saveflow::ControlListOutcome opened = saveflow::openControlList(target);
    if (!opened.outcome.succeeded())
        return opened.outcome;
    shown = opened.list;
    showProgress(saveflow::allDone);
    m_hourglass.reset();
    return saveflow::runStep(saveflow::Step::ControlList,
                             [&] { showControlListPreview(opened.list); });
}

// Offered as a PDF named after the list and its year; a saved file is told to whoever listens.
void SaveScreen::showControlListPreview(const std::shared_ptr<ControlList>& list) {
    platform::printing().showPreview(
        list, pdfname::controlListFileName(list->heading().returnYear),
        [this](const QString& path, int pages) { emit pdfSaved(path, pages); });
}

void SaveScreen::showProgress(int permille) {
    m_progressBar->setValue(permille);
    QApplication::processEvents();
}

void SaveScreen::endSave(const QStringList& messages) {
    m_hourglass.reset();
    for (const QString& message : messages)
        showError(message);
    removeWorkFiles();
    m_saving = false;
    emit savingChanged(false);
    close();
}
