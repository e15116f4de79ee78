#include "gui/common/about_dialog.h"

#include "core/common/version.h"
#include "core/platform/program_folder.h"
#include "gui/common/message_boxes.h"
#include "gui/widgets/widgets.h"
#include "store/startup/run_state.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* value(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = widgets::named(new QLabel(text, parent), name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

// The engine answers on the login connection; a failure there leaves the line saying so rather
// than keep the rest from being shown.
QString engineVersion(RunState& state) {
    QString version = QStringLiteral("unknown");
    if (state.login)
        runReportingErrors([&] { version = state.db().engineVersion(); });
    return version;
}

} // namespace

void showAbout(QWidget* parent, RunState& state) {
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("fAbout"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QObject::tr("About XW73D"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Version:"), value(dialog, "lVersion", programVersion()));
    form->addRow(QObject::tr("Program folder:"),
                 value(dialog, "lProgramFolder", QDir::toNativeSeparators(state.programFolder)));
    form->addRow(QObject::tr("Medium folder:"),
                 value(dialog, "lMediumFolder",
                       QDir::toNativeSeparators(platform::mediumFolder(state.requestedMedium))));
    form->addRow(QStringLiteral("Qt:"),
                 value(dialog, "lQtVersion", QString::fromLatin1(qVersion())));
    form->addRow(QStringLiteral("SQLCipher:"),
                 value(dialog, "lEngineVersion", engineVersion(state)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(
        QObject::tr("XW73D prepares the employer's return of employees' remuneration."), dialog));
    layout->addLayout(form);
    layout->addWidget(buttons);
    dialog->open();
}
