#include "gui/startup/default_password_notes.h"

#include "gui/widgets/widgets.h"
#include "store/common/schema.h"
#include "store/startup/run_state.h"

#include <QLabel>
#include <QObject>

namespace defaultpassword {
namespace {

QLabel* note(QWidget* parent, const char* name, const QString& text) {
    auto* label = widgets::named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

bool inUse(const RunState& state) {
    return state.loginPassword == schema::defaultPassword;
}

QLabel* newDatabaseNote(QWidget* parent) {
    return note(parent, "lblDefaultPassword",
                QObject::tr("A new database has been made for the records. It is protected by "
                            "the default password \"%1\" until you change it: at the next start, "
                            "choose Change Password on the login screen.")
                    .arg(schema::defaultPassword));
}

QLabel* editorLine(QWidget* parent) {
    return note(parent, "lblDefaultPasswordInUse",
                QObject::tr("The login password is still the default one, \"%1\". Change it "
                            "with Change Password on the login screen.")
                    .arg(schema::defaultPassword));
}

} // namespace defaultpassword
