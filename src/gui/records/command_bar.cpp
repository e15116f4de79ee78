#include "gui/records/command_bar.h"

#include "gui/widgets/widgets.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

const QString cancelCaption = QStringLiteral("&Cancel");
const QString quitCaption = QStringLiteral("&Quit");

} // namespace

// Two rows of the record commands, then the return's own commands.
CommandBar::CommandBar(QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::array<QPushButton*, 13> order{
        add("cNew", QStringLiteral("&Create new    record"), &CommandBar::newRecordPressed),
        add("cUpdate", QStringLiteral("&Update"), &CommandBar::updatePressed),
        add("cDelete", QStringLiteral("&Delete"), &CommandBar::deletePressed),
        add("cExit", QStringLiteral("&Quit"), &CommandBar::quitOrCancelPressed),
        add("cNameSearch", QStringLiteral("Name &Search"), &CommandBar::nameSearchPressed),
        add("cSort", QStringLiteral("Sor&t"), &CommandBar::sortPressed),
        add("cPrint", QStringLiteral("&Print"), &CommandBar::printPressed),
        add("cPrintAll", QStringLiteral("Print &All"), &CommandBar::printAllPressed),
        add("cSaveFloppy", QStringLiteral("Save to &Floppy"), &CommandBar::saveToMediumPressed),
        add("cCheckAll", QStringLiteral("Chec&k all records"), &CommandBar::checkAllPressed),
        add("cImport", QStringLiteral("&Import..."), &CommandBar::importPressed),
        add("cExport", QStringLiteral("&Export..."), &CommandBar::exportPressed),
        add("cExportTemplate", QStringLiteral("Export te&mplate..."),
            &CommandBar::exportTemplatePressed)};
    for (int i = 0; i < 9; ++i)
        grid->addWidget(order[i], i / 5, i % 5);
    for (int i = 9; i < 13; ++i)
        grid->addWidget(order[i], 2, i - 9);
}

QPushButton* CommandBar::add(const char* name, const QString& caption,
                             void (CommandBar::*pressed)()) {
    QPushButton* button = widgets::button(this, name, caption);
    button->setAccessibleName(widgets::spokenText(caption));
    connect(button, &QPushButton::clicked, this, pressed);
    return button;
}

QPushButton* CommandBar::command(const char* name) const {
    return findChild<QPushButton*>(QLatin1String(name));
}

QWidget* CommandBar::firstCommand() const {
    return command("cNew");
}

void CommandBar::setQuitCaption(bool browsing) {
    QPushButton* quit = command("cExit");
    const QString caption = browsing ? quitCaption : cancelCaption;
    if (quit->text() == caption)
        return;
    quit->setText(caption);
    quit->setAccessibleName(browsing ? QStringLiteral("Quit") : QStringLiteral("Cancel"));
    emit quitCaptionChanged();
}

void CommandBar::apply(CommandState state) {
    const bool browsing = state == CommandState::Browsing;
    setQuitCaption(browsing);
    command("cExit")->setEnabled(true);
    for (const char* name :
         {"cNew", "cDelete", "cNameSearch", "cSaveFloppy", "cPrintAll", "cPrint", "cSort"})
        command(name)->setEnabled(browsing);
    command("cUpdate")->setEnabled(!browsing);
}

void CommandBar::setSaving(bool saving, CommandState state) {
    if (!saving) {
        apply(state);
        return;
    }
    for (const char* name :
         {"cNew", "cUpdate", "cDelete", "cExit", "cSort", "cPrintAll", "cSaveFloppy"})
        command(name)->setEnabled(false);
}
