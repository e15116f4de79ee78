#include "startup/fChgPwd.h"

#include "common/message_boxes.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "startup/password_rules.h"
#include "startup/run_state.h"
#include "store/password_change.h"
#include "store/schema.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

fChgPwd::fChgPwd(RunState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("fChgPwd"));
    setWindowTitle(QStringLiteral("Change of Password"));
    Text1 = widgets::passwordField(this, "Text1", 8, QStringLiteral("Old Password"));
    Text2 = widgets::passwordField(this, "Text2", 8, QStringLiteral("New Password"));
    Text3 = widgets::passwordField(this, "Text3", 8, QStringLiteral("Retype New Password"));
    cmdYes = widgets::button(this, "cmdYes", QStringLiteral("&Yes"));
    cmdNo = widgets::button(this, "cmdNo", QStringLiteral("&No"));
    cmdYes->setDefault(true);

    auto* layout = new QGridLayout(this);
    int row = 0;
    for (QLineEdit* field : {Text1, Text2, Text3}) {
        layout->addWidget(widgets::labelFor(this, field->accessibleName(), field), row, 0);
        layout->addWidget(field, row++, 1, 1, 2);
    }
    layout->addWidget(new QLabel(QStringLiteral("Confirm ?"), this), row, 0);
    layout->addWidget(cmdYes, row, 1);
    layout->addWidget(cmdNo, row, 2);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, cmdYes);
    setTabOrder(cmdYes, cmdNo);

    connect(cmdYes, &QPushButton::clicked, this, &fChgPwd::cmdYes_Click);
    connect(cmdNo, &QPushButton::clicked, this, &fChgPwd::cmdNo_Click);
}

void fChgPwd::cmdYes_Click() {
    if (m_attemptsLeft == 0) {
        showError(QStringLiteral("Change password failed."));
        platform::endRun(1);
        return;
    }
    if (const auto refusal = newPasswordRefusal(Text2->text(), Text3->text())) {
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
bool fChgPwd::changePassword() {
    m_state.login.reset();
    try {
        m_state.login = Database::open(databasePath(m_state.programFolder, DatabaseFile::Working),
                                       OpenOptions{.password = Text1->text(), .exclusive = true});
    } catch (const EngineError& error) {
        m_state.login.reset();
        if (error.number() != engine::NotValidPassword) {
            showError(error.description());
            return false;
        }
        showError(QStringLiteral("Old password is not matched.  Please retype old password!"));
        for (QLineEdit* field : {Text1, Text2, Text3})
            field->clear();
        Text1->setFocus();
        --m_attemptsLeft;
        return false;
    }
    try {
        changeDatabasePassword(m_state.login, Text1->text(), Text2->text());
    } catch (const EngineError& error) {
        showError(error.description());
        return false;
    }
    m_state.loginPassword = Text2->text();
    return true;
}

void fChgPwd::retypeNew(const QString& message) {
    showError(message);
    Text2->clear();
    Text3->clear();
    Text2->setFocus();
}

void fChgPwd::cmdNo_Click() {
    emit declined();
    leave();
}

void fChgPwd::reject() {
    cmdNo_Click();
}

void fChgPwd::leave() {
    hide();
    deleteLater();
}
