#include "gui/records/command_bar.h"

#include "gui/widgets/widgets.h"

#include <QGridLayout>
#include <QObject>
#include <QPushButton>
#include <QStyle>

namespace {

// Read when used, so that they are in the language the program runs in.
QString cancelCaption() {
    return QObject::tr("&Cancel");
}

QString quitCaption() {
    return QObject::tr("&Quit");
}

} // namespace

// Two rows of the record commands, then the return's own commands.
CommandBar::CommandBar(QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    // The rows keep as close as the editor's parts do, so that the editor fits a 768-pixel
    // screen also in the Chinese interface, whose font has taller lines.
    grid->setVerticalSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing) / 3);
    const std::array<QPushButton*, 13> order{
        add("cNew", QObject::tr("&Create new    record"), &CommandBar::newRecordPressed),
        add("cUpdate", QObject::tr("&Update"), &CommandBar::updatePressed),
        add("cDelete", QObject::tr("&Delete"), &CommandBar::deletePressed),
        add("cExit", QObject::tr("&Quit"), &CommandBar::quitOrCancelPressed),
        add("cNameSearch", QObject::tr("Name &Search"), &CommandBar::nameSearchPressed),
        add("cSort", QObject::tr("Sor&t"), &CommandBar::sortPressed),
        add("cPrint", QObject::tr("&Print"), &CommandBar::printPressed),
        add("cPrintAll", QObject::tr("Print &All"), &CommandBar::printAllPressed),
        add("cSaveFloppy", QObject::tr("Save to &Floppy"), &CommandBar::saveToMediumPressed),
        add("cCheckAll", QObject::tr("Chec&k all records"), &CommandBar::checkAllPressed),
        add("cImport", QObject::tr("&Import..."), &CommandBar::importPressed),
        add("cExport", QObject::tr("&Export..."), &CommandBar::exportPressed),
        add("cExportTemplate", QObject::tr("Export te&mplate..."),
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
    const QString caption = browsing ? quitCaption() : cancelCaption();
    if (quit->text() == caption)
        return;
    quit->setText(caption);
    quit->setAccessibleName(browsing ? QObject::tr("Quit") : QObject::tr("Cancel"));
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
