// Every window on the screen the test runs on (see tests/CMakeLists.txt): at 1366x768
// and larger as given; on a smaller screen within its available area, the main window
// scrolling its content.

#include "session/Program.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/Main.h"
#include "ui/ScreenFit.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Widgets.h"

#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

class ScreenFitTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowFitsTheScreen();
    void theMainWindowScrollsOnASmallScreen();
};

namespace {

bool smallScreen(const QWidget* window) {
    const QSize desk = window->screen()->availableGeometry().size();
    return desk.width() < 1366 || desk.height() < 768;
}

} // namespace

void ScreenFitTest::everyWindowFitsTheScreen() {
    ScriptedPlatform platform;
    Program program(platform);
    std::vector<QWidget*> windows = program.windows();
    windows.push_back(program.forms().profileWindow);
    for (QWidget* window : windows) {
        openWindow(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect frame = window->geometry().marginsAdded(ScreenFit::frameMargins(window));
        QVERIFY2(window->screen()->availableGeometry().contains(frame),
                 qPrintable(window->objectName()));
        // Only a window that would not fit has its content in a scroll area.
        if (!smallScreen(window))
            QVERIFY2(!window->findChild<QScrollArea*>("ContentScrollArea"),
                     qPrintable(window->objectName()));
    }
    if (!smallScreen(program.forms().mainForm)) {
        QCOMPARE(program.forms().mainForm->size(), QSize(727, 709));
        QCOMPARE(program.forms().profileWindow->size(), QSize(1180, 660));
    }
}

void ScreenFitTest::theMainWindowScrollsOnASmallScreen() {
    ScriptedPlatform platform;
    Program program(platform);
    TMainForm* main = program.forms().mainForm;
    QVERIFY(QTest::qWaitForWindowExposed(main));
    auto* area = main->findChild<QScrollArea*>("ContentScrollArea");
    if (!smallScreen(main))
        QSKIP("the screen is large enough");
    QVERIFY(area);
    QVERIFY(main->height() < 709);
    // Lower still, the fields at the bottom are reached by scrolling.
    main->resize(main->width(), 300);
    auto* rkRequired = main->findChild<QLineEdit*>("Edit8");
    QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);
    area->ensureWidgetVisible(rkRequired);
    QVERIFY(area->viewport()->rect().contains(
        rkRequired->mapTo(area->viewport(), rkRequired->rect().center())));
}

QTEST_MAIN(ScreenFitTest)
#include "tst_screenfit.moc"
