#include "gui/submission/archive_window.h"

#include "core/common/amounts.h"
#include "core/platform/printing.h"
#include "core/platform/program_folder.h"
#include "core/platform/services.h"
#include "core/reports/pdf_names.h"
#include "core/submission/save_rules.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/desktop_services.h"
#include "gui/platform/window_place.h"
#include "gui/submission/medium_preparation.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"
#include "store/archive/archive.h"
#include "store/startup/run_state.h"
#include "store/submission/save_flow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

enum Column { Saved, Target, Records, Total, Standing };

QStringList rowTexts(const archive::Listed& entry) {
    const QString standing = archive::standingText(entry.standing);
    if (!entry.summary)
        return {QDir(entry.folder).dirName(), QString(), QString(), QString(), standing};
    const archive::Summary& summary = *entry.summary;
    return {summary.savedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            QDir::toNativeSeparators(summary.target), QString::number(summary.records),
            groupDigits(summary.income), standing};
}

QString checkLines(const QList<SubmissionCheck>& checks) {
    QStringList lines;
    for (const SubmissionCheck& check : checks)
        lines << QObject::tr("%1: %2, found \"%3\", expected \"%4\"")
                     .arg(check.name, check.holds() ? QObject::tr("ok") : QObject::tr("FAILED"),
                          check.found, check.expected);
    return lines.join(u'\n');
}

// The file number the archived submission was named after.
QString fileNumberOf(const archive::Listed& entry) {
    return QFileInfo(entry.summary->submissionName).completeBaseName();
}

} // namespace

ArchiveWindow::ArchiveWindow(RunState& state, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_mediumFolder(platform::mediumFolder(state.requestedMedium)) {
    setObjectName(QStringLiteral("archiveWindow"));
    widgets::markAsProgramWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Saved submissions"));
    buildScreen();
    reload();
}

ArchiveWindow::~ArchiveWindow() = default;

void ArchiveWindow::buildScreen() {
    m_list = widgets::named(new QTreeWidget(this), "archiveList");
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {tr("Saved"), tr("Target"), tr("Records"), tr("Total income"), tr("Verifies")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_targetEdit = widgets::named(new FieldEdit(this), "tFileName");
    m_targetEdit->setKeyFilter([](char32_t key) {
        if (saverules::isFileNameKey(static_cast<int>(key)))
            return true;
        showError(saverules::invalidCharactersText());
        return false;
    });
    auto* targetLabel = widgets::labelFor(this, QObject::tr("File Name:"), m_targetEdit);
    m_verifyButton = widgets::button(this, "cVerify", tr("&Verify"));
    m_showListButton = widgets::button(this, "cShowList", tr("&Show control list"));
    m_copyButton = widgets::button(this, "cCopy", tr("&Copy to a medium"));
    m_openFolderButton = widgets::button(this, "cOpenFolder", tr("&Open folder"));
    auto* closeButton = widgets::button(this, "cClose", tr("Close"));
    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {m_verifyButton, m_showListButton, m_copyButton, m_openFolderButton})
        commands->addWidget(button);
    commands->addStretch();
    commands->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(targetLabel);
    layout->addWidget(m_targetEdit);
    layout->addLayout(commands);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &ArchiveWindow::selectionChanged);
    connect(m_verifyButton, &QPushButton::clicked, this, &ArchiveWindow::verifySelected);
    connect(m_showListButton, &QPushButton::clicked, this, &ArchiveWindow::showControlList);
    connect(m_copyButton, &QPushButton::clicked, this, &ArchiveWindow::copyToMedium);
    connect(m_openFolderButton, &QPushButton::clicked, this, &ArchiveWindow::openFolder);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    platform::keepWindowPlace(this, objectName(), QSize(760, 360));
}

void ArchiveWindow::reload() {
    const platform::WaitCursor hourglass;
    m_entries = archive::list(m_state.programFolder, m_state.loginPassword);
    fillList();
}

void ArchiveWindow::fillList() {
    m_list->clear();
    for (const archive::Listed& entry : m_entries) {
        auto* item = new QTreeWidgetItem(rowTexts(entry));
        for (int column : {Records, Total})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        m_list->addTopLevelItem(item);
    }
    if (!m_entries.isEmpty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
    selectionChanged();
}

const archive::Listed* ArchiveWindow::selected() const {
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    return row >= 0 && row < m_entries.size() ? &m_entries[row] : nullptr;
}

void ArchiveWindow::selectionChanged() {
    const archive::Listed* entry = selected();
    const bool opens = entry && entry->summary;
    for (QPushButton* button : {m_verifyButton, m_showListButton, m_copyButton})
        button->setEnabled(opens);
    m_openFolderButton->setEnabled(entry != nullptr);
    m_targetEdit->setEnabled(opens);
    m_targetEdit->setText(opens ? saverules::defaultTargetPath(m_mediumFolder, fileNumberOf(*entry))
                                : QString());
}

void ArchiveWindow::verifySelected() {
    const archive::Listed* entry = selected();
    if (!entry)
        return;
    const int row = int(entry - m_entries.constData());
    runReportingErrors([&] {
        QList<SubmissionCheck> checks;
        {
            const platform::WaitCursor hourglass;
            checks = archive::verifyEntry(entry->folder, m_state.loginPassword);
        }
        const bool holds = std::all_of(checks.cbegin(), checks.cend(),
                                       [](const SubmissionCheck& check) { return check.holds(); });
        m_entries[row].standing =
            holds ? archive::Standing::Verifies : archive::Standing::DoesNotVerify;
        m_list->topLevelItem(row)->setText(Standing,
                                           archive::standingText(m_entries[row].standing));
        showInformation(checkLines(checks));
    });
}

void ArchiveWindow::showControlList() {
    const archive::Listed* entry = selected();
    if (!entry)
        return;
    runReportingErrors([&] {
        platform::printing().showPreview(
            archive::openControlList(entry->folder, m_state.loginPassword),
            pdfname::controlListFileName(entry->summary->returnYear), {});
    });
}

// The save's checks of the name and the medium, with the save's messages.
bool ArchiveWindow::copyPassesChecks(const archive::Listed& entry, const QString& target) {
    bool oversize = false;
    if (!runReportingErrors([&] {
            oversize =
                saverules::isOversize(archive::submissionSize(entry.folder, m_state.loginPassword));
        }))
        return false;
    if (const std::optional<QString> problem = saverules::fileNameProblem(
            m_targetEdit->text(), fileNumberOf(entry), oversize, m_mediumFolder)) {
        showError(*problem);
        m_targetEdit->setFocus();
        return false;
    }
    saveflow::Outcome outcome = saveflow::checkTarget(target);
    if (outcome.succeeded())
        outcome = prepareMedium(target, m_mediumFolder);
    for (const QString& message : outcome.messages)
        showError(message);
    return outcome.succeeded();
}

void ArchiveWindow::copyToMedium() {
    const archive::Listed* entry = selected();
    if (!entry)
        return;
    const QString target = saverules::targetPathOf(m_targetEdit->text());
    if (!copyPassesChecks(*entry, target))
        return;
    saveflow::Outcome outcome;
    {
        const platform::WaitCursor hourglass;
        outcome = saveflow::runStep(saveflow::Step::Copy, [&] {
            archive::copyToMedium(entry->folder, m_state.loginPassword, target);
        });
    }
    for (const QString& message : outcome.messages)
        showError(message);
    if (outcome.succeeded())
        showInformation(tr("The saved submission and its log were copied to '%1' and verified.")
                            .arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath())));
}

void ArchiveWindow::openFolder() {
    const archive::Listed* entry = selected();
    if (entry && !platform::services().openUrl(QUrl::fromLocalFile(entry->folder)))
        showError(tr("The folder '%1' could not be opened.")
                      .arg(QDir::toNativeSeparators(entry->folder)));
}

void openArchiveWindow(RunState& state, QWidget* parent) {
    if (auto* open = parent->findChild<ArchiveWindow*>()) {
        widgets::showInFront(open);
        return;
    }
    auto* window = new ArchiveWindow(state, parent);
    widgets::showInFront(window);
}
