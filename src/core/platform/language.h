#pragma once

#include <QString>
#include <optional>

class QCoreApplication;

// The language the program speaks: English, the source of every text, or Traditional Chinese as
// read in Hong Kong. Chosen once at the start, for the windows and for the command line alike.
namespace language {

enum class Language { English, Chinese };

// The first start follows the system: Hong Kong, Taiwan and Macau read Traditional Chinese.
Language forLocale(const QString& localeName);
// "en" or "zh_HK" (also as the locale's name writes it, "zh-HK"); nothing for any other word.
std::optional<Language> fromCode(const QString& code);
QString code(Language language);
// The command line's --lang first, then the kept choice, then the system's locale.
Language choose(const QString& option, const QString& kept, const QString& localeName);
// Where the choice is kept with the program's settings.
QString settingsKey();
// The language the user has chosen, or the system's when none is kept.
Language chosen(const QString& option = {});
// The language the program runs in: the one last installed, English before any.
Language current();
// Loads the program's own texts and Qt's for the language into the application; English loads
// nothing. False when a translation that should be there cannot be found.
bool install(QCoreApplication& application, Language language);

} // namespace language
