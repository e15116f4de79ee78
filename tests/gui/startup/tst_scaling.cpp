// Every screen at the scale this test runs with (QT_SCALE_FACTOR, set by CTest: 1, 1.5 and 2), in
// the language it runs in (XW73D_TEST_LANGUAGE, set by CTest: en and zh_HK): no caption, label or
// button text is cut off, and at 100% the record editor fits a 1366x768 screen. In Chinese, no
// English word is left on a screen and every Alt letter still works, once on each window. The
// screens are reached as a user reaches them, from the start of the program.
#include "core/platform/language.h"
#include "support/chinese_texts.h"
#include "support/program_run.h"
#include "support/screens.h"
#include "support/scripted_services.h"
#include "support/temp_folder.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <memory>

namespace {

QString describe(const QWidget* widget, const QString& text, QSize has, QSize needs) {
    return QStringLiteral("%1 \"%2\": %3x%4, needs %5x%6")
        .arg(widget->objectName(), text.left(40))
        .arg(has.width())
        .arg(has.height())
        .arg(needs.width())
        .arg(needs.height());
}

// The room a text needs: a wrapped label its height at its width, any other its size hint.
QSize neededSize(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label && label->wordWrap())
        return {label->minimumSizeHint().width(), label->heightForWidth(label->width())};
    return widget->sizeHint();
}

QString textOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return static_cast<const QGroupBox*>(widget)->title();
}

// Every visible text of the window that has less room than it needs.
QStringList clippedTexts(const QWidget* window) {
    QList<QWidget*> texts;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child))
            texts << child;
    QStringList clipped;
    for (const QWidget* widget : std::as_const(texts)) {
        const QString text = textOf(widget);
        const QSize needs = neededSize(widget);
        if (text.isEmpty() || !widget->isVisibleTo(window))
            continue;
        if (widget->width() < needs.width() || widget->height() < needs.height())
            clipped << describe(widget, text, widget->size(), needs);
    }
    for (const QGroupBox* box : window->findChildren<QGroupBox*>())
        if (box->isVisibleTo(window) && box->width() < box->minimumSizeHint().width())
            clipped << describe(box, box->title(), box->size(), box->minimumSizeHint());
    return clipped;
}

bool inChinese() {
    return language::current() == language::Language::Chinese;
}

// What the test typed, which a screen may show as it is.
const QStringList typedWords{QStringLiteral("ACME"),   QStringLiteral("TRADING"),
                             QStringLiteral("LTD"),    QStringLiteral("CHAN"),
                             QStringLiteral("TAI"),    QStringLiteral("MAN"),
                             QStringLiteral("Manager")};

// The clipped texts of a window, and in Chinese the English left on it and its Alt letters that
// do not work.
QStringList problemsOf(const QWidget* window) {
    QStringList problems = clippedTexts(window);
    if (!inChinese())
        return problems;
    for (const QString& text : shownTexts(window))
        if (const QStringList left = englishLeft(text, typedWords); !left.isEmpty())
            problems << QStringLiteral("%1: English left in \"%2\": %3")
                            .arg(window->objectName(), text, left.join(u' '));
    for (const QString& clash : mnemonicClashes(window))
        problems << window->objectName() + QStringLiteral(": ") + clash;
    return problems;
}

QWidget* shown(const char* name) {
    QWidget* window = visibleScreen<QWidget>(name);
    if (window)
        QTest::qWait(0); // let the layouts settle
    return window;
}

template <class Widget = QPushButton> Widget* control(QWidget* window, const char* name) {
    return window->findChild<Widget*>(QLatin1String(name));
}

void typeInto(QWidget* window, const char* field, const QString& text) {
    auto* edit = control<QLineEdit>(window, field);
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

// Fills in the employer screen and continues to the record editor.
QWidget* continueToEditor(QWidget* employer) {
    const std::array<std::pair<const char*, const char*>, 6> typing{{{"tReturnYear", "2001"},
                                                                     {"tSession", "B"},
                                                                     {"tBRN", "00000123"},
                                                                     {"tName", "ACME TRADING LTD"},
                                                                     {"tSubDate", "01052001"},
                                                                     {"tDesignation", "Manager"}}};
    for (const auto& [field, text] : typing)
        typeInto(employer, field, QLatin1String(text));
    control(employer, "cContinue")->click();
    return shown("fXW73D");
}

void addRecord(Database& db) {
    // Complete and employed for the whole return year 2001, so that Save to Floppy, which checks
    // the return first, reaches its screen.
    db.exec(QStringLiteral("insert into employee (ID, Status, SheetNo, Surname, FirstName, Sex, "
                           "RAddress1, RAreaCode, Capacity, EDay1, EMonth1, EYear1, EDay2, "
                           "EMonth2, EYear2, QFlag, OSeaFlag) values (1, 'O', ' ', 'CHAN', "
                           "'TAI MAN', 'M', 'FLAT A', 'K', 'CLERK', '01', '04', '2000', '31', "
                           "'03', '2001', 0, 0)"));
}

// At 100% the editor must fit a 1366x768 screen beside a desktop panel and below its title bar.
constexpr int panelAndTitleBar = 48 + 32;

} // namespace

class TestScaling : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void noScreenClipsItsTexts();
};

void TestScaling::initTestCase() {
    const std::optional<language::Language> chosen =
        language::fromCode(qEnvironmentVariable("XW73D_TEST_LANGUAGE"));
    QVERIFY(language::install(*QCoreApplication::instance(),
                              chosen.value_or(language::Language::English)));
}

void TestScaling::noScreenClipsItsTexts() {
    TempFolder folder;
    QStringList clipped;
    {
        ProgramRun first(folder.path()); // the first run logs in by itself
        QWidget* employer = shown("fSubInfo");
        QVERIFY(employer);
        clipped << problemsOf(employer);
        addRecord(*first.state.login);
        QWidget* editor = continueToEditor(employer);
        QVERIFY(editor);
        for (int page = 0; page < 4; ++page) {
            QTest::mouseClick(
                control<QLabel>(editor, qPrintable(QStringLiteral("lPage(%1)").arg(page))),
                Qt::LeftButton);
            QTest::qWait(0);
            clipped << problemsOf(editor);
        }
        if (qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble() == 1.0)
            QVERIFY2(
                editor->width() <= 1366 && editor->height() <= 768 - panelAndTitleBar,
                qPrintable(QStringLiteral("%1x%2").arg(editor->width()).arg(editor->height())));
        control(editor, "cNameSearch")->click();
        QWidget* names = shown("fNameSearch");
        QVERIFY(names);
        clipped << problemsOf(names);
        first.services.answers = {true};
        control(editor, "cSaveFloppy")->click();
        QWidget* save = shown("fSave");
        QVERIFY2(save, qPrintable(first.services.texts().join(u'\n')));
        clipped << problemsOf(save);
    }
    ProgramRun later(folder.path()); // every later run waits at the login
    QWidget* login = shown("fLogin");
    QVERIFY(login);
    clipped << problemsOf(login);
    control(login, "cmdChange")->click();
    QWidget* change = shown("fChgPwd");
    QVERIFY(change);
    clipped << problemsOf(change);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
