#include "core/platform/language.h"

#include "core/platform/settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace language {

Language forLocale(const QString& localeName) {
    const QString name = QString(localeName).replace(QLatin1Char('-'), QLatin1Char('_'));
    // "zh_HK", "zh_HK.UTF-8", "zh_Hant_HK" and the like.
    const QString region = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('_'), -1);
    const bool chinese = name.startsWith(QLatin1String("zh_"), Qt::CaseInsensitive);
    const bool traditional = region.compare(QLatin1String("HK"), Qt::CaseInsensitive) == 0 ||
                             region.compare(QLatin1String("TW"), Qt::CaseInsensitive) == 0 ||
                             region.compare(QLatin1String("MO"), Qt::CaseInsensitive) == 0;
    return chinese && traditional ? Language::Chinese : Language::English;
}

std::optional<Language> fromCode(const QString& code) {
    const QString name = code.trimmed().replace(QLatin1Char('-'), QLatin1Char('_'));
    if (name.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
        return Language::English;
    if (name.compare(QLatin1String("zh_HK"), Qt::CaseInsensitive) == 0)
        return Language::Chinese;
    return std::nullopt;
}

QString code(Language language) {
    return language == Language::Chinese ? QStringLiteral("zh_HK") : QStringLiteral("en");
}

Language choose(const QString& option, const QString& kept, const QString& localeName) {
    if (const std::optional<Language> given = fromCode(option))
        return *given;
    if (const std::optional<Language> saved = fromCode(kept))
        return *saved;
    return forLocale(localeName);
}

QString settingsKey() {
    return QStringLiteral("interface/language");
}

Language chosen(const QString& option) {
    return choose(option, platform::settings().value(settingsKey()).toString(),
                  QLocale::system().name());
}

namespace {
Language running = Language::English;
} // namespace

Language current() {
    return running;
}

bool install(QCoreApplication& application, Language language) {
    // A later choice replaces the translations of an earlier one.
    static QList<QPointer<QTranslator>> installed;
    for (const QPointer<QTranslator>& translator : std::as_const(installed))
        if (translator) {
            application.removeTranslator(translator);
            delete translator;
        }
    installed.clear();
    running = language;
    if (language == Language::English)
        return true;
    auto* own = new QTranslator(&application);
    const bool ownLoaded = own->load(QStringLiteral(":/i18n/xw73d_zh_HK.qm"));
    application.installTranslator(own);
    installed << own;
    // Qt's own buttons and dialogs: Traditional Chinese as Taiwan writes it, the nearest Qt has.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_zh_TW"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(qt);
    installed << qt;
    return ownLoaded;
}

} // namespace language
