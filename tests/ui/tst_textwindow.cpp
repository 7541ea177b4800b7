// The text window and the report writer, driven through the real widgets.

#include "session/Program.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/Main.h"
#include "ui/Unit1.h"

#include "support/Files.h"
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

namespace {

// One program with its scripted platform and a folder for its files.
struct Session {
    ScriptedPlatform platform;
    Program program{platform};
    QTemporaryDir dir;

    TForm1* textWindow() { return program.forms().form1; }
    TMainForm* mainWindow() { return program.forms().mainForm; }
    QTextEdit* area() { return textWindow()->findChild<QTextEdit*>("RichEdit1"); }
    QPushButton* saveButton() { return textWindow()->findChild<QPushButton*>("SaveButton"); }
    QToolButton* mainTool(const char* name) { return mainWindow()->findChild<QToolButton*>(name); }
    QString path(const QString& name) { return dir.filePath(name); }

    // Opens a file through the main window's "Text" button.
    void open(const QString& file) {
        platform.answer(file);
        mainTool("TextButton")->click();
    }
    void save(const QString& file) {
        platform.answer(file);
        saveButton()->click();
    }
};

} // namespace

class TextWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startsHiddenWithItsSize();
    void dialogsAsTheButtonsShowThem();
    void saveButtonShownByAChangeHiddenByALoad();
    void savesPlainTextWithCrLfBetweenLines_data();
    void savesPlainTextWithCrLfBetweenLines();
    void opensPlainTextWithAnyLineEnds();
    void opensRtfFormattedAndSavesItsPlainText();
    void unreadableFileLeavesTheTextAsItWas();
    void saveIntoMissingFolderReportsTheError();
    void closeKeepsTheTextForTheViewButton();
    void cancelledDialogsChangeNothing();
    void reportIsWrittenShownAndEnablesViewing();
    void reportThatCantBeWrittenOpensNothing();
};

void TextWindowTest::startsHiddenWithItsSize() {
    Session s;
    QVERIFY(!s.textWindow()->isVisible());
    QCOMPARE(s.textWindow()->windowTitle(), QStringLiteral("Просмотр, редактирование"));
    QCOMPARE(s.textWindow()->size(), QSize(725, 686));
    QCOMPARE(s.area()->lineWrapMode(), QTextEdit::NoWrap);
    QCOMPARE(s.area()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(s.area()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(s.saveButton()->text(), QStringLiteral("        Сохранить..."));
    QCOMPARE(s.saveButton()->toolTip(), QStringLiteral("Save As"));
    QVERIFY(s.saveButton()->isHidden());
}

void TextWindowTest::dialogsAsTheButtonsShowThem() {
    Session s;
    s.platform.answerCancel();
    s.mainTool("TextButton")->click();
    s.platform.answerCancel();
    s.mainTool("SaveButton")->click();
    s.area()->setPlainText("x");
    s.platform.answerCancel();
    s.saveButton()->click();
    QCOMPARE(s.platform.dialogsShown.size(), 3);
    const FileDialog open = s.platform.dialogsShown[0];
    const FileDialog mainSave = s.platform.dialogsShown[1];
    const FileDialog ownSave = s.platform.dialogsShown[2];
    const auto names = [](const FileDialog& dialog) {
        QStringList list;
        for (const FileFilter& filter : dialog.filters)
            list << filter.name + "|" + filter.pattern;
        return list;
    };
    const QStringList five{"Текстовые (*.txt)|*.txt", "MWord(.doc)|*.doc",
                           "rtf-формат (*.rtf)|*.rtf", "Расчетные (*.rww)|*.rww",
                           "Все файлы (*.*)|*.*"};
    QCOMPARE(names(open), five);
    QCOMPARE(open.proposedName, QString());
    QCOMPARE(open.defaultExtension, QString());
    QCOMPARE(names(mainSave), five);
    QCOMPARE(mainSave.proposedName, QStringLiteral("Vuvuvudozizod"));
    QCOMPARE(mainSave.defaultExtension, QStringLiteral("txt"));
    QVERIFY(mainSave.overwritePrompt);
    QCOMPARE(names(ownSave), (QStringList{"Текстовые (*.txt)|*.txt", "MWord(.doc)|*.doc",
                                          "RTF-формат (*.rtf)|*.rtf", "Таблица Excel|*.xls",
                                          "Расчетные (*.rww)|*.rww", "Все файлы (*.*)|*.*"}));
    QCOMPARE(ownSave.proposedName, QStringLiteral("Vuvuvudozizod"));
    QCOMPARE(ownSave.defaultExtension, QStringLiteral("txt"));
    QVERIFY(ownSave.overwritePrompt);
}

void TextWindowTest::saveButtonShownByAChangeHiddenByALoad() {
    Session s;
    putBytes(s.path("a.txt"), "first");
    s.open(s.path("a.txt"));
    QVERIFY(s.textWindow()->isVisible());
    QVERIFY(s.saveButton()->isHidden());
    s.area()->setFocus();
    s.area()->moveCursor(QTextCursor::End);
    QTest::keyClicks(s.area(), "!");
    QVERIFY(!s.saveButton()->isHidden());
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("first!"));

    s.save(s.path("b.txt")); // saving changes neither the text nor the button
    QVERIFY(!s.saveButton()->isHidden());
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("first!"));

    s.open(s.path("a.txt"));
    QVERIFY(s.saveButton()->isHidden());
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("first"));
}

void TextWindowTest::savesPlainTextWithCrLfBetweenLines_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("txt") << "out.txt";
    QTest::newRow("doc") << "out.doc";
    QTest::newRow("xls") << "out.xls";
    QTest::newRow("no extension gets txt") << "out";
}

void TextWindowTest::savesPlainTextWithCrLfBetweenLines() {
    QFETCH(QString, name);
    Session s;
    s.area()->setPlainText(QStringLiteral("Стена\n\n  Ld = 0,5"));
    s.save(s.path(name));
    const QString written = name.contains('.') ? s.path(name) : s.path(name + ".txt");
    QCOMPARE(bytesOf(written), QByteArray("\xD1\xF2\xE5\xED\xE0\r\n\r\n  Ld = 0,5"));
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.platform.messages[0].kind, ScriptedPlatform::Kind::Info);
    QCOMPARE(s.platform.messages[0].title, QStringLiteral("Vuvuvudozizod"));
    QCOMPARE(s.platform.messages[0].text,
             QStringLiteral("Записано в файл  ") + nativePath(written));
}

void TextWindowTest::opensPlainTextWithAnyLineEnds() {
    Session s;
    putBytes(s.path("mixed.txt"), "\xCF\xEE\xEB\r\na\rb\nc\r\n");
    s.open(s.path("mixed.txt"));
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("Пол\na\nb\nc\n"));
    putBytes(s.path("utf8.txt"), "\xEF\xBB\xBF\xD0\x9F\xCE\xA9");
    s.open(s.path("utf8.txt"));
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("ПΩ"));
    QVERIFY(s.platform.messages.isEmpty());
}

void TextWindowTest::opensRtfFormattedAndSavesItsPlainText() {
    Session s;
    putBytes(s.path("doc.rtf"),
             "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}}\r\n"
             "\\f0\\fs20 \\b \\'d0\\'e0\\'f1\\'f7\\'e5\\'f2\\b0  R\\u8320?\\par\r\n"
             "second line\\par\r\n}");
    s.open(s.path("doc.rtf"));
    QVERIFY(s.textWindow()->isVisible());
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("Расчет R₀\nsecond line"));
    QTextCursor cursor = s.area()->document()->find(QStringLiteral("Расчет"));
    QVERIFY(!cursor.isNull());
    QVERIFY(cursor.charFormat().fontWeight() >= QFont::Bold);
    QVERIFY(s.area()->document()->find("second").charFormat().fontWeight() < QFont::Bold);

    s.area()->setFocus();
    s.save(s.path("plain.rtf"));
    // ₀ has no Windows-1251 form, so the file is UTF-8 with its mark rather than lose it.
    QCOMPARE(bytesOf(s.path("plain.rtf")),
             QByteArray("\xEF\xBB\xBF") + QStringLiteral("Расчет R₀\r\nsecond line").toUtf8());
}

void TextWindowTest::unreadableFileLeavesTheTextAsItWas() {
    Session s;
    s.area()->setPlainText("kept");
    const QString missing = s.path("none.txt");
    s.open(missing);
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.platform.messages[0].kind, ScriptedPlatform::Kind::Error);
    QCOMPARE(s.platform.messages[0].text,
             QStringLiteral("Cannot open file \"%1\". File not found.").arg(nativePath(missing)));
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("kept"));
    QVERIFY(!s.textWindow()->isVisible());
}

void TextWindowTest::saveIntoMissingFolderReportsTheError() {
    Session s;
    s.area()->setPlainText("text");
    s.save(s.path("missing/out.txt"));
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.platform.messages[0].kind, ScriptedPlatform::Kind::Error);
    QCOMPARE(s.platform.messages[0].text,
             QStringLiteral("Invalid filename: \"%1\" (папки \"%2\" нет).")
                 .arg(nativePath(s.path("missing/out.txt")), nativePath(s.path("missing"))));
    QVERIFY(!QFile::exists(s.path("missing/out.txt")));
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("text"));
}

void TextWindowTest::closeKeepsTheTextForTheViewButton() {
    Session s;
    putBytes(s.path("a.txt"), "line");
    s.open(s.path("a.txt"));
    s.area()->append("edited");
    s.textWindow()->findChild<QPushButton*>("CloseButton")->click();
    QVERIFY(!s.textWindow()->isVisible());
    s.mainWindow()->enableViewButton();
    s.mainTool("ViewButton")->click();
    QVERIFY(s.textWindow()->isVisible());
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("line\nedited"));
}

void TextWindowTest::cancelledDialogsChangeNothing() {
    Session s;
    s.area()->setPlainText("kept");
    s.platform.answerCancel();
    s.mainTool("TextButton")->click();
    s.platform.answerCancel();
    s.saveButton()->click();
    QCOMPARE(s.area()->toPlainText(), QStringLiteral("kept"));
    QVERIFY(!s.textWindow()->isVisible());
    QVERIFY(s.platform.messages.isEmpty());
    QCOMPARE(QDir(s.dir.path()).entryList(QDir::NoDotAndDotDot | QDir::Files), QStringList());
}

namespace {

// A hand-typed Rk with coefficients and Rqmin: the check enables the report button.
QPushButton* reportButtonAfterACheck(Session& s) {
    TMainForm* main = s.mainWindow();
    main->writeAlphaExt("23");
    main->writeAlphaInt("8,7");
    main->writeRqmin("2,2");
    main->writeRk("2,5");
    auto* button = main->findChild<QPushButton*>("SaveReportButton");
    if (!QTest::qWaitFor([button] { return button->isEnabled(); }, 2000))
        return nullptr;
    return button;
}

} // namespace

void TextWindowTest::reportIsWrittenShownAndEnablesViewing() {
    Session s;
    QPushButton* report = reportButtonAfterACheck(s);
    QVERIFY(report);
    QVERIFY(!s.mainTool("ViewButton")->isEnabled());
    s.platform.answer(s.path("report"));
    report->click();
    QVERIFY(s.platform.messages.isEmpty());
    const QByteArray bytes = bytesOf(s.path("report.txt"));
    QVERIFY(bytes.endsWith("\r\n"));
    const QStringList lines = QString::fromLatin1(bytes).split("\r\n");
    QCOMPARE(lines.size(), 62 + 1); // no layer calculated, and the final line end
    QVERIFY(bytes.contains("   Rk =  =  = 2,5 "));
    QVERIFY(bytes.contains("2,658  >  2,2\r\nRo > Rqmin\r\n"));
    QVERIFY(s.textWindow()->isVisible());
    QVERIFY(s.saveButton()->isHidden());
    QCOMPARE(s.area()->toPlainText().split('\n').size(), 62 + 1);
    QVERIFY(s.mainTool("ViewButton")->isEnabled());
    QCOMPARE(s.platform.dialogsShown.last().proposedName, QStringLiteral("Vuvuvudozizod"));
}

void TextWindowTest::reportThatCantBeWrittenOpensNothing() {
    Session s;
    QPushButton* report = reportButtonAfterACheck(s);
    QVERIFY(report);
    s.platform.answer(s.path("missing/report.txt"));
    report->click();
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.platform.messages[0].text,
             QStringLiteral("Invalid filename: \"%1\" (папки \"%2\" нет).")
                 .arg(nativePath(s.path("missing/report.txt")), nativePath(s.path("missing"))));
    QVERIFY(!s.textWindow()->isVisible());
    QVERIFY(!s.mainTool("ViewButton")->isEnabled());
}

QTEST_MAIN(TextWindowTest)
#include "tst_textwindow.moc"
