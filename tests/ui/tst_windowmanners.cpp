// How the windows behave together: first placement, Escape, Enter, Qt's own texts.

#include "session/Program.h"
#include "support/LanguageSwitch.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/InterfaceLanguage.h"
#include "ui/Main.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit2.h"
#include "ui/Unit5.h"
#include "ui/Unit9.h"
#include "ui/Widgets.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

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
    void escapeOnAnOpenListClosesTheListOnly_data();
    void escapeOnAnOpenListClosesTheListOnly();
    void enterPressesTheFocusedButtonOnce();
    void enterInALayerNumberFieldCalculates();
    void besideRowsNeverCoversThem_data();
    void besideRowsNeverCoversThem();
    void besideRowsLeavesTheVerdictClear();
    void nextToANeighbourClearOfTheRows_data();
    void nextToANeighbourClearOfTheRows();
    void aWindowManagerLateToPlaceIsUndone();
    void qtTextsFollowTheLanguage();
    void aWindowSizedByItsTextsFollowsTheLanguage();
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

void WindowMannersTest::escapeOnAnOpenListClosesTheListOnly_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("list");
    QTest::newRow("requirement, city") << "TForm3"
                                       << "ComboBox4";
    QTest::newRow("layers, material") << "TForm2"
                                      << "ComboBox3";
    QTest::newRow("profile, purpose") << "TemperatureProfileWindow"
                                      << "CriticalDifferencePurpose";
}

void WindowMannersTest::escapeOnAnOpenListClosesTheListOnly() {
    QFETCH(QString, window);
    QFETCH(QString, list);
    ScriptedPlatform platform;
    Program program(platform);
    QWidget* shown = program.window(window);
    openWindow(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    auto* box = shown->findChild<QComboBox*>(list);
    box->setFocus();
    box->showPopup();
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(shown->isVisible());
    // The next Escape is the window's.
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!shown->isVisible());
}

// In every window, the main one included: Enter presses the focused push button once,
// whether or not the button is a default one that takes Enter itself.
void WindowMannersTest::enterPressesTheFocusedButtonOnce() {
    ScriptedPlatform platform;
    Program program(platform);
    for (QWidget* window : everyWindow(program)) {
        openWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (!button->isVisible() || !button->isEnabled() ||
                button->focusPolicy() == Qt::NoFocus)
                continue;
            // The button's own action is not the point here.
            QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
            QSignalSpy clicks(button, &QAbstractButton::clicked);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY2(clicks.count() == 2, qPrintable(window->objectName() + " " + button->text()));
        }
        if (window != program.forms().mainForm)
            window->hide();
    }
}

void WindowMannersTest::besideRowsNeverCoversThem_data() {
    QTest::addColumn<QRect>("desk");
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("rows");
    const QRect layers(169, 86, 1030, 595); // a layer window as it first opens
    const QRect rows(220, 200, 950, 285);
    QTest::newRow("room to the right") << QRect(0, 0, 1920, 1080) << layers << rows;
    QTest::newRow("room below the rows") << QRect(0, 0, 1366, 900) << layers << rows;
    QTest::newRow("the owner moves up") << QRect(0, 0, 1366, 768) << layers << rows;
    // Rows reaching low in a window at the desk's top: no room below, nor to lift it.
    const QRect tallRows(0, 100, 950, 461);
    QTest::newRow("room to the left")
        << QRect(0, 0, 1600, 768) << QRect(569, 0, 1030, 595) << tallRows.translated(620, 0);
    QTest::newRow("no room anywhere")
        << QRect(0, 0, 1280, 720) << QRect(125, 0, 1030, 595) << tallRows.translated(176, 0);
}

// The layer window at 1366x768: its verdict and "Расчет" stand right under the rows, so the
// selection window goes under the rows at the window's left edge, the window lifted.
void WindowMannersTest::besideRowsLeavesTheVerdictClear() {
    const QRect desk(0, 0, 1366, 768);
    const QRect rows(220, 185, 955, 326);
    const QRect verdict(785, 560, 400, 130);
    const QSize selection(402, 299);
    const auto place =
        WindowPlacement::besideRows(selection, QRect(164, 90, 1038, 615), rows, desk, verdict);
    const QRect frame(place.topLeft, selection);
    QVERIFY(desk.contains(frame));
    QVERIFY(!frame.intersects(rows.translated(0, -place.ownerLift)));
    QVERIFY(!frame.intersects(verdict.translated(0, -place.ownerLift)));
}

void WindowMannersTest::besideRowsNeverCoversThem() {
    QFETCH(QRect, desk);
    QFETCH(QRect, owner);
    QFETCH(QRect, rows);
    const QSize selection(402, 297);
    const auto place = WindowPlacement::besideRows(selection, owner, rows, desk);
    const QRect frame(place.topLeft, selection);
    QVERIFY(desk.contains(frame));
    QVERIFY(desk.contains(owner.translated(0, -place.ownerLift)));
    // When the screen has no room at all, the rows' lowest part is covered, never more.
    const QRect covered = frame & rows.translated(0, -place.ownerLift);
    if (QByteArray(QTest::currentDataTag()) == "no room anywhere")
        QCOMPARE(frame.bottom(), desk.bottom());
    else
        QVERIFY(covered.isEmpty());
}

// The quantity window beside the selection window, both off the layer rows.
void WindowMannersTest::nextToANeighbourClearOfTheRows_data() {
    QTest::addColumn<QRect>("desk");
    QTest::addColumn<QRect>("neighbour");
    QTest::addColumn<QRect>("rows");
    QTest::addColumn<QPoint>("expected");
    const QRect rows(220, 200, 950, 285);
    QTest::newRow("below") << QRect(0, 0, 1920, 1080) << QRect(1199, 86, 402, 297) << rows
                           << QPoint(1199, 383);
    QTest::newRow("left, below the rows")
        << QRect(0, 0, 1366, 768) << QRect(796, 485, 402, 283) << rows << QPoint(339, 485);
    QTest::newRow("no room") << QRect(0, 0, 1280, 720) << QRect(796, 437, 402, 283)
                             << rows.adjusted(-220, -200, 100, 0) << QPoint(-1, -1);
}

void WindowMannersTest::nextToANeighbourClearOfTheRows() {
    QFETCH(QRect, desk);
    QFETCH(QRect, neighbour);
    QFETCH(QRect, rows);
    QFETCH(QPoint, expected);
    const auto place = WindowPlacement::nextTo(QSize(457, 187), neighbour, rows, desk);
    QCOMPARE(place.value_or(QPoint(-1, -1)), expected);
}

// On a loaded machine the window manager may place the quantity window over the layer rows
// seconds after it was shown, before it was first painted: it is moved off them again.
void WindowMannersTest::aWindowManagerLateToPlaceIsUndone() {
    ScriptedPlatform platform;
    Program program(platform);
    for (QWidget* window : {static_cast<QWidget*>(program.forms().form2),
                            static_cast<QWidget*>(program.forms().form5)}) {
        openWindow(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    TForm9* quantity = program.forms().form9;
    const QRect rows = program.forms().form2->layerRowsOnScreen();
    openWindow(quantity);
    QVERIFY(!quantity->frameGeometry().intersects(rows));
    QThread::msleep(2100); // the program busy, nothing painted yet
    quantity->move(rows.center());
    QTest::qWait(50);
    QVERIFY(!quantity->frameGeometry().intersects(rows));
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

void WindowMannersTest::qtTextsFollowTheLanguage() {
    QVERIFY(Language::apply(InterfaceLanguage::Ukrainian));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Скасувати"));
    // The file dialog's type column; Windows names file types itself, in its own language.
    const QFileInfo folder(QDir::tempPath());
    const bool ownTypeNames = QSysInfo::productType() != QLatin1String("windows");
    if (ownTypeNames)
        QCOMPARE(QFileIconProvider().type(folder), QStringLiteral("Тека"));
    QCOMPARE(QLocale().formattedDataSize(84), QStringLiteral("84 байти"));
    QVERIFY(Language::apply(InterfaceLanguage::Russian));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    if (ownTypeNames)
        QCOMPARE(QFileIconProvider().type(folder), QStringLiteral("Папка"));
    QCOMPARE(QLocale().formattedDataSize(84), QStringLiteral("84 байты"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Save"), QStringLiteral("&Сохранить"));
}

// Switched there and back, a window has the size it had; one the user resized keeps it.
void WindowMannersTest::aWindowSizedByItsTextsFollowsTheLanguage() {
    ScriptedPlatform platform;
    Program program(platform);
    QWidget* quantity = program.forms().form9;
    openWindow(quantity);
    const QSize russian = quantity->size();
    QVERIFY(switchLanguage(InterfaceLanguage::Ukrainian));
    QTRY_VERIFY(quantity->size() != russian);
    QVERIFY(switchLanguage(InterfaceLanguage::Russian));
    QTRY_COMPARE(quantity->size(), russian);

    const QSize chosen = russian + QSize(40, 10);
    quantity->resize(chosen);
    QVERIFY(switchLanguage(InterfaceLanguage::Ukrainian));
    QTest::qWait(50);
    QCOMPARE(quantity->size(), chosen);
    QVERIFY(switchLanguage(InterfaceLanguage::Russian));
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
