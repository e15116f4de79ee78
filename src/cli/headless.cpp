#include "cli/headless.h"

#include "core/common/version.h"
#include "core/platform/language.h"
#include "core/platform/settings.h"

#include <QLocale>

namespace cli {

void setProgramNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("XW73D"));
    QCoreApplication::setApplicationName(QStringLiteral("xw73d"));
}

namespace {
const QString languageSwitch = QStringLiteral("--lang");
} // namespace

QString languageArgument(const QStringList& arguments) {
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        if (arguments[at] == languageSwitch && at + 1 < arguments.size())
            return arguments[at + 1];
        if (arguments[at].startsWith(languageSwitch + QLatin1Char('=')))
            return arguments[at].mid(languageSwitch.size() + 1);
    }
    return {};
}

QStringList withoutLanguageOption(QStringList arguments) {
    for (qsizetype at = 0; at < arguments.size();) {
        if (arguments[at] == languageSwitch)
            arguments.remove(at, qMin<qsizetype>(2, arguments.size() - at));
        else if (arguments[at].startsWith(languageSwitch + QLatin1Char('=')))
            arguments.remove(at);
        else
            ++at;
    }
    return arguments;
}

HeadlessRun::HeadlessRun(int& argc, char** argv)
    : m_application(argc, argv) {
    setProgramNames();
    QCoreApplication::setApplicationVersion(programVersion());
    // The user's kept choice, read without installing the settings for the run.
    platform::UserSettings kept;
    language::install(m_application,
                      language::choose(languageArgument(QCoreApplication::arguments()),
                                       kept.value(language::settingsKey()).toString(),
                                       QLocale::system().name()));
}

} // namespace cli
