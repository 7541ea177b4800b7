// The windows under hostile input: endless texts in the main window's captions,
// files that can't be shown, saves whose sync or rename fails.

#include "session/Program.h"
#include "testsupport/FileFaults.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/ElidedLabel.h"
#include "ui/Main.h"
#include "ui/QtPlatform.h"
#include "ui/SectionDrawing.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit8.h"

#include "support/Files.h"
#include "support/Posix.h"
#include "support/Typing.h"
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

using FileFaults::Fault;
using FileFaults::Step;

namespace {

struct Session {
    ScriptedPlatform platform;
    Program program{platform};
    QTemporaryDir dir;

    TMainForm* main() { return program.forms().mainForm; }
    TForm1* textWindow() { return program.forms().form1; }
    QTextEdit* area() { return textWindow()->findChild<QTextEdit*>("RichEdit1"); }
    QString path(const QString& name) { return dir.filePath(name); }

    void open(const QString& file) {
        platform.answer(file);
        main()->findChild<QToolButton*>("TextButton")->click();
    }
    QString lastMessage() const {
        return platform.messages.isEmpty() ? QString() : platform.messages.last().text;
    }
};

} // namespace

class HostileInputTest : public QObject {
    Q_OBJECT
  private slots:
    void mainWindowKeepsItsWidth_data();
    void mainWindowKeepsItsWidth();
    void textWindowRefusesWhatItCantShow_data();
    void textWindowRefusesWhatItCantShow();
    void failedSyncIsNoSavedFile();
    void reportSavedButNotShownSaysSo_data();
    void reportSavedButNotShownSaysSo();
    void userSetKeepsItsColumnsWhenARenameFails();
    void fileDialogKnowsFilesByTheirNames();
    void sectionOfExtremeThicknessesIsDrawn_data();
    void sectionOfExtremeThicknessesIsDrawn();
};

void HostileInputTest::mainWindowKeepsItsWidth_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("length");
    QTest::newRow("thickness, 300 characters") << "Label31" << 300;
    QTest::newRow("layer name, 32767 characters") << "Label30" << 32767;
    QTest::newRow("envelope caption") << "Label17" << 32767;
    QTest::newRow("construction type") << "Label18" << 2000;
    QTest::newRow("total thickness") << "Label45" << 300;
}

void HostileInputTest::mainWindowKeepsItsWidth() {
    QFETCH(QString, label);
    QFETCH(int, length);
    Session s;
    s.main()->show();
    QApplication::processEvents();
    const QSize before = s.main()->size();
    const QString text = QStringLiteral("-1,5 мм ").repeated(length / 8 + 1).left(length);
    if (label == "Label17")
        s.main()->writeEnvelopeCaption(text);
    else if (label == "Label18")
        s.main()->writeConstructionType(text);
    else if (label == "Label45")
        s.main()->writeTotalThickness(text);
    else if (label == "Label30")
        s.main()->writeLayerName(12, text);
    else
        s.main()->writeLayerThickness(1, text);
    QApplication::processEvents();
    QVERIFY2(s.main()->minimumSizeHint().width() <= before.width(),
             qPrintable(QString::number(s.main()->minimumSizeHint().width())));
    QCOMPARE(s.main()->size(), before);

    auto* shown = s.main()->findChild<ElidedLabel*>(label);
    QVERIFY(shown);
    QCOMPARE(shown->text(), text); // the report reads the whole text
    QVERIFY(shown->isElided());
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), shown->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(shown, &hover);
    QCOMPARE(QToolTip::text(), text);
    QToolTip::hideText();
}

void HostileInputTest::textWindowRefusesWhatItCantShow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << "pipe"
                          << "Not a regular file";
    QTest::newRow("folder") << "folder.txt"
                            << "Is a directory";
    QTest::newRow("50 MB text") << "huge.txt"
                                << "File too large (52428800 bytes; at most 10485760 bytes are "
                                   "read)";
    QTest::newRow("binary") << "picture.txt"
                            << "Not a text file";
    QTest::newRow("a million lines") << "lines.txt"
                                     << "Too many lines to show (more than 50000)";
    QTest::newRow("RTF of a million paragraphs") << "paragraphs.rtf"
                                                 << "Too many lines to show (more than 10000)";
}

void HostileInputTest::textWindowRefusesWhatItCantShow() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    if (name == "pipe")
        SKIP_WITHOUT_POSIX("FIFOs");
    Session s;
    makeFifo(s.path("pipe"));
    QDir(s.dir.path()).mkdir("folder.txt");
    QFile huge(s.path("huge.txt"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(50 * 1024 * 1024));
    huge.close();
    putBytes(s.path("picture.txt"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    putBytes(s.path("lines.txt"), QByteArray(1000000, '\n'));
    putBytes(s.path("paragraphs.rtf"), "{\\rtf1 " + QByteArray("x\\par ").repeated(1000000) + "}");
    s.area()->setPlainText("kept");

    s.open(s.path(name));
    QCOMPARE(s.lastMessage(),
             QStringLiteral("Cannot open file \"%1\". %2.").arg(nativePath(s.path(name)), reason));
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("kept"));
    QVERIFY(!s.textWindow()->isVisible());
}

void HostileInputTest::reportSavedButNotShownSaysSo_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("control characters")
        << QString(400, QChar(1)) << "в нем есть управляющие символы";
    QTest::newRow("a long line") << QString(6000, u'ж') << "в нем есть строка длиннее 5000 знаков";
}

// A layer name from a project can make a report that the text window refuses:
// the report is saved all the same, and the message says where and why it isn't shown.
void HostileInputTest::reportSavedButNotShownSaysSo() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    Session s;
    s.main()->writeAlphaExt("23");
    s.main()->writeAlphaInt("8,7");
    s.main()->writeRqmin("2,200");
    QWidget* layers = s.program.forms().form2;
    QLineEdit* material = layers->findChild<QComboBox*>("ComboBox3")->lineEdit();
    material->setText(name);
    emit material->textEdited(name);
    layers->findChild<QLineEdit*>("Edit3")->setText("0,81");
    layers->findChild<QLineEdit*>("Edit15")->setText("380");
    layers->findChild<QPushButton*>("Button1")->click();
    const QString file = s.path("report.txt");
    s.platform.answer(file);
    s.main()->findChild<QPushButton*>("SaveReportButton")->click();
    QVERIFY(QFile::exists(file));
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.lastMessage(),
             QStringLiteral("Расчет записан в файл \"%1\", но показать его здесь нельзя: %2.")
                 .arg(nativePath(file), reason));
    QVERIFY(!s.textWindow()->isVisible());
}

void HostileInputTest::failedSyncIsNoSavedFile() {
    Session s;
    const QString file = s.path("report.txt");
    putBytes(file, "old");
    s.area()->setPlainText("new");
    {
        Fault fault(Step::Sync);
        s.platform.answer(file);
        s.textWindow()->findChild<QPushButton*>("SaveButton")->click();
    }
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.platform.messages.first().kind, ScriptedPlatform::Kind::Error);
    QCOMPARE(s.lastMessage(), QStringLiteral("Input/output error: \"%1\".").arg(nativePath(file)));
    QCOMPARE(bytesOf(file), QByteArray("old"));

    Fault full(Step::Write, ENOSPC);
    s.platform.answer(file);
    s.textWindow()->findChild<QPushButton*>("SaveButton")->click();
    QCOMPARE(s.lastMessage(), QStringLiteral("Disk full: \"%1\".").arg(nativePath(file)));
}

void HostileInputTest::userSetKeepsItsColumnsWhenARenameFails() {
    Session s;
    TForm8* window = s.program.forms().form8;
    window->openForEditing();
    auto* names = window->findChild<QTextEdit*>("RichEdit1");
    Typing::typeText(names, QStringLiteral("Стена"));
    const QString set = s.path("set.rww");
    for (const QString& file : {set, set + "Ld", set + "S"})
        putBytes(file, "old");
    {
        Fault fault(Step::PutInPlace);
        s.platform.answer(set);
        window->findChild<QPushButton*>("SpeedButton2")->click();
    }
    QCOMPARE(s.lastMessage(), QStringLiteral("Input/output error."));
    QCOMPARE(names->toPlainText(), QStringLiteral("Стена"));
    for (const QString& file : {set, set + "Ld", set + "S"})
        QCOMPARE(bytesOf(file), QByteArray("old"));
}

// The file dialog's list tells a file's type by its name: reading the file could wait for
// ever on one of /proc (the kernel's log), and closing the dialog would wait with it.
void HostileInputTest::fileDialogKnowsFilesByTheirNames() {
    Session s;
    const QString picture = s.path("picture"); // PNG bytes under a name that says nothing
    putBytes(picture, QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) + QByteArray(64, '\0'));
    QString type;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            type = dialog->iconProvider()->type(QFileInfo(picture));
            dialog->reject();
        }
    });
    QtPlatform platform;
    FileDialog files;
    files.lastPath = picture;
    QVERIFY(!platform.askOpenFile(files));
    QVERIFY(!type.isEmpty());
    QVERIFY2(type != QMimeDatabase().mimeTypeForName("image/png").comment(), qPrintable(type));
}

void HostileInputTest::sectionOfExtremeThicknessesIsDrawn_data() {
    QTest::addColumn<QList<double>>("thicknesses");
    // A band billions of pixels wide: its hatching had no end.
    QTest::newRow("almost cancelling") << QList<double>{1e308, -1e308 + 1e292, 20};
    // A section of infinite thickness: the ticks of its axis had no end.
    QTest::newRow("beyond the largest double") << QList<double>{1e308, 1e308, 20};
}

// Typed thicknesses reach the drawing as they are: painting it ends, whatever they are.
void HostileInputTest::sectionOfExtremeThicknessesIsDrawn() {
    QFETCH(QList<double>, thicknesses);
    SectionDrawing::Picture picture;
    // Room air and inner surface, each interface, outdoor air: 20 °C down to -20 °C.
    double depth = 0;
    picture.profile.planes = {{TemperatureProfile::PlaneKind::RoomAir, 0, 0, 20},
                              {TemperatureProfile::PlaneKind::InnerSurface, 0, 0, 19}};
    int number = 0;
    for (double thickness : thicknesses) {
        picture.layers.append(
            {++number, {-1, "Кладка", {}}, thickness, 1, SectionLayers::Kind(number % 4)});
        depth += thickness;
        picture.profile.planes.append(
            {TemperatureProfile::PlaneKind::Interface, depth, 0, 19.0 - 10 * number});
    }
    picture.profile.planes.append({TemperatureProfile::PlaneKind::OutdoorAir, depth, 0, -20});
    QImage image(800, 500, QImage::Format_RGB32);
    QPainter painter(&image);
    SectionDrawing::paint(painter, QRectF(image.rect()), picture);
    QVERIFY(painter.end());
}

QTEST_MAIN(HostileInputTest)
#include "tst_hostileinput.moc"
