#include "gui/startup/password_change_dialog.h"

#include "core/platform/services.h"
#include "core/startup/password_rules.h"
#include "gui/common/message_boxes.h"
#include "gui/startup/backup_prompt.h"
#include "gui/widgets/widgets.h"
#include "store/archive/archive.h"
#include "store/common/schema.h"
#include "store/startup/backup_guard.h"
#include "store/startup/backup_rekey.h"
#include "store/startup/backups.h"
#include "store/startup/login.h"
#include "store/startup/password_change.h"
#include "store/startup/run_state.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QProgressBar>
#include <QPushButton>

namespace {

// Re-keying a few small copies takes less; the bar appears only when it goes on longer.
constexpr qint64 momentMs = 400;

} // namespace

PasswordChangeDialog::PasswordChangeDialog(RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fChgPwd"));
    widgets::markAsProgramWindow(this);
    setWindowTitle(QObject::tr("Change of Password"));
    m_oldPasswordEdit = widgets::passwordField(this, "Text1", 8, QObject::tr("Old Password"));
    m_newPasswordEdit = widgets::passwordField(this, "Text2", 8, QObject::tr("New Password"));
    m_retypedPasswordEdit =
        widgets::passwordField(this, "Text3", 8, QObject::tr("Retype New Password"));
    m_yesButton = widgets::button(this, "cmdYes", QObject::tr("&Yes"));
    m_noButton = widgets::button(this, "cmdNo", QObject::tr("&No"));
    m_yesButton->setDefault(true);
    m_progressBar = widgets::named(new QProgressBar(this), "rekeyProgress");
    m_progressBar->setFormat(tr("Backup copies: %v of %m"));
    m_progressBar->hide();

    auto* layout = new QGridLayout(this);
    int row = 0;
    for (QLineEdit* field : {m_oldPasswordEdit, m_newPasswordEdit, m_retypedPasswordEdit}) {
        layout->addWidget(widgets::labelFor(this, field->accessibleName(), field), row, 0);
        layout->addWidget(field, row++, 1, 1, 2);
    }
    layout->addWidget(new QLabel(QObject::tr("Confirm ?"), this), row, 0);
    layout->addWidget(m_yesButton, row, 1);
    layout->addWidget(m_noButton, row++, 2);
    layout->addWidget(m_progressBar, row, 0, 1, 3);
    setTabOrder(m_oldPasswordEdit, m_newPasswordEdit);
    setTabOrder(m_newPasswordEdit, m_retypedPasswordEdit);
    setTabOrder(m_retypedPasswordEdit, m_yesButton);
    setTabOrder(m_yesButton, m_noButton);

    connect(m_yesButton, &QPushButton::clicked, this, &PasswordChangeDialog::confirmChange);
    connect(m_noButton, &QPushButton::clicked, this, &PasswordChangeDialog::decline);
}

void PasswordChangeDialog::confirmChange() {
    if (m_attemptsLeft == 0) {
        showError(QObject::tr("Change password failed."));
        platform::endRun(1);
        return;
    }
    if (const auto refusal =
            newPasswordRefusal(m_newPasswordEdit->text(), m_retypedPasswordEdit->text())) {
        retypeNew(*refusal);
        --m_attemptsLeft;
        return;
    }
    if (changePassword()) {
        emit passwordChanged();
        leave();
    }
}

// Opens with the old password and sets the new one; false after a refusal has been shown.
bool PasswordChangeDialog::changePassword() {
    if (const std::optional<EngineError> failure =
            openWithOldPassword(m_state, m_oldPasswordEdit->text())) {
        oldPasswordRefused(*failure);
        return false;
    }
    if (!goOnAfterBackup(backUpBeforeOperation(*m_state.login, m_state.programFolder,
                                               m_oldPasswordEdit->text(),
                                               backups::reason::passwordChange)))
        return false;
    if (!runReportingErrors([this] {
            changeDatabasePassword(m_state.login, m_oldPasswordEdit->text(),
                                   m_newPasswordEdit->text());
        }))
        return false;
    m_state.loginPassword = m_newPasswordEdit->text();
    rekeyBackups();
    emptyPasswordFields();
    return true;
}

// The kept copies take the new password too; the change itself is done whatever becomes of
// them, so a copy that cannot follow is only named.
void PasswordChangeDialog::rekeyBackups() {
    // The screen's events run for the bar; no command of it may run meanwhile.
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer clock;
    clock.start();
    const backups::RekeyResult result =
        backups::rekeyAll(m_state.programFolder, m_oldPasswordEdit->text(), m_state.loginPassword,
                          [this, &clock](int done, int total) {
                              if (m_progressBar->isHidden() && clock.elapsed() < momentMs)
                                  return;
                              m_progressBar->setRange(0, total);
                              m_progressBar->setValue(done);
                              m_progressBar->show();
                              QCoreApplication::processEvents();
                          });
    m_progressBar->hide();
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    QStringList problems{backups::rekeyProblems(result, m_state.programFolder)};
    // The saved submissions are kept under the return's password as well.
    problems << archive::rekeyProblems(
        archive::rekeyAll(m_state.programFolder, m_oldPasswordEdit->text(), m_state.loginPassword));
    problems.removeAll(QString());
    if (!problems.isEmpty())
        showInformation(problems.join(u' '));
}

void PasswordChangeDialog::oldPasswordRefused(const EngineError& error) {
    if (error.number() != engine::NotValidPassword) {
        showError(error.description());
        return;
    }
    showError(QObject::tr("Old password is not matched.  Please retype old password!"));
    emptyPasswordFields();
    m_oldPasswordEdit->setFocus();
    --m_attemptsLeft;
}

void PasswordChangeDialog::emptyPasswordFields() {
    for (QLineEdit* field : {m_oldPasswordEdit, m_newPasswordEdit, m_retypedPasswordEdit})
        widgets::emptyPasswordField(field);
}

void PasswordChangeDialog::retypeNew(const QString& message) {
    showError(message);
    widgets::emptyPasswordField(m_newPasswordEdit);
    widgets::emptyPasswordField(m_retypedPasswordEdit);
    m_newPasswordEdit->setFocus();
}

void PasswordChangeDialog::decline() {
    emit declined();
    leave();
}

void PasswordChangeDialog::reject() {
    decline();
}

void PasswordChangeDialog::leave() {
    hide();
    deleteLater();
}
