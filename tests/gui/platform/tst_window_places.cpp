// Where the windows that open over the record editor appear: the placement rule as a table, and
// the Print All preview on a 1366x768 laptop screen (this test runs on one, set by CTest).
#include "core/platform/settings.h"
#include "core/platform/window_placement.h"
#include "gui/platform/desktop_printing.h"
#include "support/editor_screen.h"
#include "support/temp_folder.h"

#include <QDirIterator>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <memory>

using platform::PlacementRequest;
using platform::PlaceSide;

Q_DECLARE_METATYPE(PlaceSide)

namespace {

const QRect laptop(0, 0, 1366, 768);
const QRect editorFrame(0, 0, 760, 700);

// Runs the action once the named window is shown, from inside the modal loop that shows it.
void whenShown(const char* name, std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name, action] {
        QWidget* window = visibleScreen<QWidget>(name);
        if (!window)
            return;
        poll->stop();
        poll->deleteLater();
        action(window);
    });
    poll->start(10);
}

// The command's control that lies outside the available area of the screen, if any.
QStringList controlsOffScreen(const QWidget* window) {
    const QRect available = window->screen()->availableGeometry();
    QStringList outside;
    if (!available.contains(window->frameGeometry()))
        outside << window->objectName();
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
        if (!available.contains(onScreen))
            outside << button->objectName();
    }
    return outside;
}

// The user's settings file of a run, in a folder of the test's own.
struct SettingsOfARun {
    explicit SettingsOfARun(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        settings = std::make_unique<platform::UserSettings>();
        m_previous = platform::setSettings(settings.get());
    }
    ~SettingsOfARun() { platform::setSettings(m_previous); }
    std::unique_ptr<platform::UserSettings> settings;

private:
    platform::Settings* m_previous = nullptr;
};

} // namespace

class TestWindowPlaces : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void placement_data();
    void placement();
    void previewFitsTheLaptopScreenAndComesBackWhereItWasLeft();
};

void TestWindowPlaces::initTestCase() {
    QCoreApplication::setOrganizationName(QStringLiteral("XW73D test"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_window_places"));
}

void TestWindowPlaces::placement_data() {
    QTest::addColumn<QRect>("parent");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QRect>("kept");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<PlaceSide>("side");
    QTest::addColumn<QRect>("placed");
    const QRect none;
    const QMargins noFrame;
    const auto over = PlaceSide::Over;
    const auto beside = PlaceSide::Beside;
    QTest::newRow("centred over the parent")
        << QRect(200, 100, 800, 500) << laptop << QSize(400, 300) << none << noFrame << over
        << QRect(400, 200, 400, 300);
    QTest::newRow("taller than the screen: cut to it and kept on it")
        << editorFrame << laptop << QSize(900, 1000) << none << noFrame << over
        << QRect(0, 0, 900, 768);
    QTest::newRow("larger than the screen both ways")
        << editorFrame << laptop << QSize(2000, 1500) << none << noFrame << over << laptop;
    QTest::newRow("without a parent: centred on the screen")
        << none << laptop << QSize(400, 300) << none << noFrame << over
        << QRect(483, 234, 400, 300);
    QTest::newRow("a panel at the top of the screen")
        << QRect(0, 40, 1000, 700) << QRect(0, 32, 1366, 736) << QSize(900, 1000) << none << noFrame
        << over << QRect(50, 32, 900, 736);
    QTest::newRow("window frames taken from the room")
        << QRect(0, 0, 762, 731) << laptop << QSize(900, 1000) << none << QMargins(1, 30, 1, 1)
        << over << QRect(1, 30, 900, 737);
    QTest::newRow("on the second screen")
        << QRect(1500, 100, 800, 600) << QRect(1366, 0, 1920, 1080) << QSize(900, 1000) << none
        << noFrame << over << QRect(1450, 0, 900, 1000);
    QTest::newRow("beside: room on the right") << editorFrame << laptop << QSize(300, 420) << none
                                               << noFrame << beside << QRect(760, 0, 300, 420);
    QTest::newRow("beside: right of the frame")
        << QRect(0, 0, 762, 731) << laptop << QSize(300, 420) << none << QMargins(1, 30, 1, 1)
        << beside << QRect(763, 30, 300, 420);
    QTest::newRow("beside: room on the left only")
        << QRect(900, 50, 400, 600) << laptop << QSize(300, 420) << none << noFrame << beside
        << QRect(600, 50, 300, 420);
    QTest::newRow("beside: no room on either side, so over it")
        << QRect(100, 0, 1100, 700) << laptop << QSize(300, 420) << none << noFrame << beside
        << QRect(500, 140, 300, 420);
    QTest::newRow("kept place wins over the parent")
        << QRect(200, 100, 800, 500) << laptop << QSize(400, 300) << QRect(50, 60, 700, 500)
        << noFrame << beside << QRect(50, 60, 700, 500);
    QTest::newRow("kept place partly off the screen: moved back onto it")
        << QRect(200, 100, 800, 500) << laptop << QSize(400, 300) << QRect(1000, 600, 700, 500)
        << noFrame << over << QRect(666, 268, 700, 500);
    QTest::newRow("kept place wholly off the screen: its size over the parent")
        << QRect(200, 100, 800, 500) << laptop << QSize(400, 300) << QRect(2000, 100, 700, 500)
        << noFrame << over << QRect(250, 100, 700, 500);
    QTest::newRow("kept on a larger screen than this one")
        << editorFrame << laptop << QSize(400, 300) << QRect(0, 0, 1800, 1000) << noFrame << over
        << laptop;
}

void TestWindowPlaces::placement() {
    QFETCH(QRect, parent);
    QFETCH(QRect, available);
    QFETCH(QSize, wanted);
    QFETCH(QRect, kept);
    QFETCH(QMargins, frame);
    QFETCH(PlaceSide, side);
    QFETCH(QRect, placed);
    const PlacementRequest request{parent, available, wanted, kept, frame, side};
    QCOMPARE(platform::windowPlacement(request), placed);
}

// The preview of Print All opens over the editor with every button on the screen. Moved and
// resized, it comes back there the next time, also in a later run.
void TestWindowPlaces::previewFitsTheLaptopScreenAndComesBackWhereItWasLeft() {
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), laptop);
    TempFolder settingsFolder;
    auto run = std::make_unique<SettingsOfARun>(settingsFolder.path());
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "CHAN", "TAI MAN"), completeRecord(2, "LEE", "SIU")}));
    platform::DesktopPrinting printing;
    platform::Printing* previous = platform::setPrinting(&printing);
    const auto restorePrinting = qScopeGuard([previous] { platform::setPrinting(previous); });
    const QRect leftAt(300, 120, 700, 560);
    QStringList offScreen{"not shown"};
    QRect openedAt;
    const QWidget* openedOver = nullptr;
    const auto openPreview = [&](std::function<void(QWidget*)> thenDo) {
        editor.services.answers = {true};
        whenShown("reportPreview", [&, thenDo](QWidget* preview) {
            offScreen = controlsOffScreen(preview);
            openedAt = preview->geometry();
            openedOver = preview->parentWidget();
            thenDo(preview);
            child<QPushButton>(preview, "closePreview")->click();
        });
        click(editor.control<QPushButton>(QStringLiteral("cPrintAll")));
    };
    openPreview([&](QWidget* preview) { preview->setGeometry(leftAt); });
    QCOMPARE(offScreen, QStringList());
    QCOMPARE(openedOver, editor.screen.get());
    QVERIFY(openedAt.intersects(editor->frameGeometry()));

    // Here, as on a desktop for a moment after a modal window closes, no window is active now.
    openPreview([](QWidget*) {});
    QCOMPARE(openedOver, editor.screen.get());
    QCOMPARE(openedAt, leftAt);

    run.reset(); // the next run reads the settings file afresh
    QDirIterator written(settingsFolder.path(), {QStringLiteral("*.conf")}, QDir::Files,
                         QDirIterator::Subdirectories);
    QVERIFY(written.hasNext());
    run = std::make_unique<SettingsOfARun>(settingsFolder.path());
    openPreview([](QWidget*) {});
    QCOMPARE(openedAt, leftAt);
    QCOMPARE(offScreen, QStringList());
}

QTEST_MAIN(TestWindowPlaces)
#include "tst_window_places.moc"
