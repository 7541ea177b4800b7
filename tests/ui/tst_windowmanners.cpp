// How the windows behave together: first placement, Escape, Enter, Qt's own texts.

#include "ui/Main.h"
#include "ui/Program.h"
#include "ui/QtTranslation.h"
#include "ui/ScriptedPlatform.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit2.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

namespace {

// The twelve windows and the later ones.
std::vector<QWidget*> everyWindow(Program& program) {
    std::vector<QWidget*> windows = program.windows();
    windows.push_back(program.forms().profileWindow);
    return windows;
}

} // namespace

class WindowMannersTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowOpensCentredThenWhereItWasLeft();
    void escapeHidesEveryWindowButTheMain();
    void enterInALayerNumberFieldCalculates();
    void qtTextsSpeakRussian();
    void aWrittenTextShowsItsStart();
};

void WindowMannersTest::everyWindowOpensCentredThenWhereItWasLeft() {
    ScriptedPlatform platform;
    Program program(platform);
    QWidget* main = program.forms().mainForm;
    const QRect desk = main->screen()->availableGeometry();
    for (QWidget* window : everyWindow(program)) {
        if (window == main)
            continue;
        openWindow(window);
        const QRect frame = window->frameGeometry();
        QVERIFY2(desk.contains(frame.topLeft()), qPrintable(window->objectName()));
        // Centred over the main window, unless the screen's edge holds it back.
        if (frame.width() < desk.width() && frame.height() < desk.height() &&
            desk.contains(frame.translated(main->frameGeometry().center() - frame.center())))
            QVERIFY2((frame.center() - main->frameGeometry().center()).manhattanLength() <= 2,
                     qPrintable(window->objectName()));
        const QPoint left = window->pos() + QPoint(-17, 9);
        window->move(left);
        window->hide();
        openWindow(window);
        QCOMPARE(window->pos(), left);
        window->hide();
    }
}

void WindowMannersTest::escapeHidesEveryWindowButTheMain() {
    ScriptedPlatform platform;
    Program program(platform);
    for (QWidget* window : everyWindow(program)) {
        openWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                        Qt::Key_Escape);
        QCOMPARE(window->isVisible(), window == program.forms().mainForm);
    }
}

void WindowMannersTest::enterInALayerNumberFieldCalculates() {
    ScriptedPlatform platform;
    Program program(platform);
    TForm2* layers = program.forms().form2;
    openWindow(layers);
    QVERIFY(QTest::qWaitForWindowActive(layers));
    // Ld, thickness and S of layer 1: each Enter rewrites Rk, so a calculation ran.
    for (const char* name : {"Edit1", "Edit13", "Edit39"}) {
        program.forms().mainForm->writeRk("0");
        auto* field = layers->findChild<QLineEdit*>(name);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(program.forms().mainForm->rkText(), QStringLiteral("0,000"));
    }
}

void WindowMannersTest::qtTextsSpeakRussian() {
    QVERIFY(installQtRussianTranslation(*qApp));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Save"), QStringLiteral("&Сохранить"));
}

// Layer 11's Ld after an air gap is longer than its field: its first digits matter.
void WindowMannersTest::aWrittenTextShowsItsStart() {
    ScriptedPlatform platform;
    Program program(platform);
    TForm2* layers = program.forms().form2;
    openWindow(layers);
    layers->writeLd(11, "0,0769230769230769");
    auto* field = layers->findChild<QLineEdit*>("Edit11");
    QCOMPARE(field->cursorPosition(), 0);
    // What the user types keeps the cursor where the typing goes.
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, "1");
    QCOMPARE(field->cursorPosition(), field->text().size());
}

QTEST_MAIN(WindowMannersTest)
#include "tst_windowmanners.moc"
