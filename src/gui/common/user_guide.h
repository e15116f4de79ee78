#pragma once

#include <QString>

class QObject;
class QWidget;

// The user guide: HTML pages installed with the program, opened in the desktop's browser at the
// page of the screen the user is on.
namespace userguide {

// The folder of the guide's pages in the language chosen, beside the program as installed
// (share/xw73d/guide next to bin, the Chinese pages in its folder zh_HK) and as built.
QString folder();
// The folder of the pages in a language: "zh_HK" (or another Chinese locale, "zh_TW", "zh_MO")
// for the Chinese pages, anything else for the English ones.
QString folderFor(const QString& language);
// The language whose pages F1 and the Help menu open from now on; English until it is set.
void setLanguage(const QString& language);
// The page and anchor ("entering.html#page-2") that explain a window, by its object name; the
// contents for a window the guide has no page of its own for.
QString placeOf(const QWidget* window);
// The place that explains a page (1 to 4) of the record editor.
QString editorPage(int page);
// Opens the guide at a place; tells the user when the guide is missing or cannot be shown.
void open(const QString& place);
// F1 in any of the program's windows opens the guide at that window's place; a window with a
// help command of its own (the record editor's menu) answers F1 itself.
void installHelpKey(QObject* application);

} // namespace userguide
