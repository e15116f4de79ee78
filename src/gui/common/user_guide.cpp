#include "gui/common/user_guide.h"

#include "core/platform/services.h"
#include "gui/common/message_boxes.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QObject>
#include <QUrl>
#include <QWidget>
#include <array>
#include <utility>

namespace userguide {

namespace {

// Each screen's place in the guide, by the screen's object name.
constexpr std::array<std::pair<const char*, const char*>, 11> screenPlaces{{
    {"fConvert", "first-start.html"},
    {"fLogin", "first-start.html#login"},
    {"fChgPwd", "first-start.html#password"},
    {"fSubInfo", "employer.html"},
    {"fXW73D", "entering.html"},
    {"fNameSearch", "entering.html#name-search"},
    {"fProblems", "checking.html"},
    {"fSave", "saving.html"},
    {"fImportDryRun", "transfer.html#import"},
    {"fImportMapping", "transfer.html#mapping"},
    {"reportPreview", "printing.html"},
}};

const QString contents = QStringLiteral("index.html");

QString& chosenLanguage() {
    static QString language = QStringLiteral("en");
    return language;
}

class HelpKey : public QObject {
public:
    using QObject::QObject;

protected:
    // Reached only when no shortcut of the window took F1 first.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 || !watched->isWidgetType())
            return false;
        open(placeOf(static_cast<QWidget*>(watched)->window()));
        return true;
    }
};

} // namespace

QString folderFor(const QString& language) {
    const QString english = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                            QStringLiteral("/../share/xw73d/guide"));
    // The one Chinese guide is written for Hong Kong; readers in Taiwan and Macao read it too.
    return language.startsWith(QLatin1String("zh")) ? english + QStringLiteral("/zh_HK") : english;
}

QString folder() {
    return folderFor(chosenLanguage());
}

void setLanguage(const QString& language) {
    chosenLanguage() = language;
}

QString placeOf(const QWidget* window) {
    for (const auto& [name, place] : screenPlaces)
        if (window && window->objectName() == QLatin1String(name))
            return QLatin1String(place);
    return contents;
}

QString editorPage(int page) {
    return QStringLiteral("entering.html#page-%1").arg(page);
}

void open(const QString& place) {
    const qsizetype anchorAt = place.indexOf(QLatin1Char('#'));
    const QString page = folder() + QLatin1Char('/') + place.left(anchorAt);
    if (!QFileInfo(page).isFile()) {
        showError(QObject::tr("The user guide was not found. Its pages belong in the folder %1.")
                      .arg(QDir::toNativeSeparators(folder())));
        return;
    }
    QUrl url = QUrl::fromLocalFile(page);
    if (anchorAt >= 0)
        url.setFragment(place.mid(anchorAt + 1));
    if (!platform::services().openUrl(url))
        showError(QObject::tr("No program on this computer shows the user guide %1.")
                      .arg(QDir::toNativeSeparators(page)));
}

void installHelpKey(QObject* application) {
    application->installEventFilter(new HelpKey(application));
}

} // namespace userguide
