// Projects through the windows: a calculation saved and opened in a fresh program
// shows every field, caption and colour again and writes the same report; a bad
// file changes nothing.

#include "core/Calculation.h"
#include "formats/ProjectFile.h"
#include "formats/TextFile.h"
#include "formats/UserConstructionFiles.h"
#include "session/Program.h"
#include "session/ProjectReplay.h"
#include "support/Controls.h"
#include "support/Files.h"
#include "support/LanguageSwitch.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/Unit9.h"
#include "ui/Widgets.h"

#include "monkey/VirtualClock.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

struct Session {
    explicit Session(QChar separator = QLatin1Char(',')) : platform(separator) {
        clock.followOnly(program.windows());
    }
    VirtualClock clock; // the program's timers run on it: no real waiting
    ScriptedPlatform platform;
    Program program{platform};

    void wait(int milliseconds) { clock.advance(milliseconds); }

    QWidget* window(const char* name) const { return program.window(QLatin1String(name)); }
    template <class T> T* control(const char* window, const QString& name) const {
        return ::control<T>(this->window(window), name);
    }
    // The user picks the item with this text.
    void choose(const char* window, const QString& list, const QString& item) const {
        auto* box = control<QComboBox>(window, list);
        const int index = box->findText(item);
        if (index < 0)
            qFatal("no item %s in %s", qPrintable(item), qPrintable(list));
        ::choose(box, index);
    }
    void choose(const char* window, const QString& list, int index) const {
        choose(window, list, control<QComboBox>(window, list)->itemText(index));
    }
    // The user types over a list's text or replaces a field's text.
    void typeOver(const char* window, const QString& list, const QString& text) const {
        QLineEdit* line = control<QComboBox>(window, list)->lineEdit();
        line->setText(text);
        emit line->textEdited(text);
    }
    void put(const char* window, const QString& field, const QString& text) const {
        control<QLineEdit>(window, field)->setText(text);
    }
    void click(const char* window, const QString& button) const {
        ::click(this->window(window), button);
    }
    void menu(const QString& item) const { control<QAction>("TMainForm", item)->trigger(); }
    QByteArray report(const QString& path) {
        platform.answer(path);
        click("TMainForm", "SaveReportButton");
        return bytesOf(path);
    }
};

// What a window that is not a project's shows apart from its inputs: the blinking
// of the insulation button, the search's hidden field and a saved report's button.
bool outsideTheProject(const QString& window, const QString& control) {
    return (window == "TForm2" && (control == "SpeedButton3" || control == "Edit64")) ||
           (window == "TMainForm" && control == "ViewButton") ||
           (window == "TForm5" && control == "Label5"); // a search's result, never restored
}

// Every named control of the calculation's windows: text, state and colour.
QStringList stateOf(const Program& program) {
    QStringList lines;
    for (QWidget* window : program.windows()) {
        const QString name = QLatin1String(window->metaObject()->className());
        if (name == "TForm1" || name == "TForm8" || name == "TAboutBox" || name == "TForm10")
            continue;
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || outsideTheProject(name, c->objectName()))
                continue;
            QString shown;
            if (auto* field = qobject_cast<QLineEdit*>(c))
                shown = field->text();
            else if (auto* label = qobject_cast<QLabel*>(c))
                shown = label->text();
            else if (auto* list = qobject_cast<QComboBox*>(c))
                shown = QStringLiteral("%1 #%2 of %3")
                            .arg(list->currentText())
                            .arg(list->currentIndex())
                            .arg(list->count());
            else if (auto* button = qobject_cast<QAbstractButton*>(c))
                shown = button->text() + (button->isChecked() ? " [x]" : "");
            else if (auto* box = qobject_cast<QGroupBox*>(c))
                shown = box->title();
            const Rgb color = textColor(c);
            lines << QStringLiteral("%1.%2 = \"%3\" %4%5 rgb(%6,%7,%8)")
                         .arg(name, c->objectName(), shown, c->isEnabled() ? "on" : "off",
                              c->isVisibleTo(window) ? "" : " hidden")
                         .arg(color.red)
                         .arg(color.green)
                         .arg(color.blue);
        }
    }
    return lines;
}

// Writes the text at the path of keys and array indexes inside the JSON object.
void setAt(QJsonObject& object, QStringList path, const QString& text) {
    const QString key = path.takeFirst();
    if (path.isEmpty()) {
        object[key] = text;
        return;
    }
    if (object[key].isArray()) {
        QJsonArray array = object[key].toArray();
        const int index = path.takeFirst().toInt();
        QJsonObject inner = array[index].toObject();
        setAt(inner, path, text);
        array[index] = inner;
        object[key] = array;
        return;
    }
    QJsonObject inner = object[key].toObject();
    setAt(inner, path, text);
    object[key] = inner;
}

void compareStates(const QStringList& found, const QStringList& expected) {
    QCOMPARE(found.size(), expected.size());
    for (qsizetype i = 0; i < found.size(); ++i)
        QCOMPARE(found[i], expected[i]);
}

// ---- the stories, each leaving its windows in a different state ----

void requirementOfOdessa(Session& s) {
    s.choose("TForm3", "ComboBox4", "Одесса");
    s.choose("TForm3", "ComboBox1", "1.    Наружные стены");
    s.wait(300);
    s.click("TForm3", "Button1");
    s.choose("TForm4", "ComboBox1", 0);
    s.click("TForm4", "Button1");
}

void brickWall(Session& s) {
    s.choose("TForm2", "ComboBox3", "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)");
    s.put("TForm2", "Edit15", "380");
    s.choose("TForm2", "ComboBox4", "Раствор цементно-песчаный (1600 кг/м3)");
    s.put("TForm2", "Edit16", "20");
    s.click("TForm2", "Button1");
    s.wait(400);
}

// The typical calculation: requirement, coefficients, a brick wall, the board found
// by the search, the quantity counted, the construction kind for the report.
void typical(Session& s) {
    requirementOfOdessa(s);
    brickWall(s);
    s.click("TMainForm", "SelectInsulationButton");
    s.choose("TForm5", "ComboBox1", 0);
    s.wait(1100);
    s.click("TForm5", "Button4");
    s.wait(1100);
    s.choose("TMainForm", "ComboBox1", 0);
}

// Production walls: the regime and D decide; the layers hand D over.
void production(Session& s) {
    s.click("TForm3", "RadioButton2");
    s.choose("TForm3", "ComboBox2", "Внешние непрозрачные стены зданий");
    s.choose("TForm3", "ComboBox3", "С сухим и нормальным режимом");
    s.choose("TForm3", "ComboBox13", "  II");
    s.choose("TForm4", "ComboBox1", 0);
    s.click("TForm4", "Button1");
    brickWall(s);
    s.wait(300);
    s.click("TForm3", "Button1");
    // An accepted Rqmin runs no check by itself; opening checks it, so "Расчет!!!" here.
    s.click("TMainForm", "CalculateButton");
    s.wait(600);
}

// Walls between flats with an air gap in layer 11.
void wallsBetweenFlatsAndAirGap(Session& s) {
    s.click("TForm3", "RadioButton3");
    s.choose("TForm6", "ComboBox1", "Дошкольные");
    s.choose("TForm6", "ComboBox2", "Жилые");
    s.choose("TForm6", "ComboBox3", "Жилые дома, детские учрежд., школы-интернаты");
    s.choose("TForm6", "ComboBox4", "Стены (наружные, внутренние)");
    s.choose("TForm4", "ComboBox1", 0);
    s.click("TForm4", "Button1");
    s.click("TForm6", "Button4");
    s.click("TForm6", "Button2");
    s.choose("TForm2", "ComboBox11", "ВОЗДУШНАЯ  ПРОСЛОЙКА");
    s.choose("TForm7", "ComboBox2", 1);
    s.choose("TForm7", "ComboBox3", 0);
    s.choose("TForm7", "ComboBox1", "50");
    s.click("TForm7", "Button1");
    brickWall(s);
}

// Typed texts over the choices: a material name, a coefficient type, a typed Rqmin
// and Rk, the reconstruction factor, and the user's own list in layer 12.
void typedTexts(Session& s) {
    const QString set = QDir::current().filePath("свой.rww");
    UserConstructionFiles::overwrite(set, {"Панель\r\nПлита", "0,04\r\n0,05", "0,5\r\n0,6"});
    s.choose("TForm3", "ComboBox13", "  I");
    s.choose("TForm3", "ComboBox1", 0);
    s.click("TForm3", "CheckBox1");
    s.wait(300);
    s.choose("TForm4", "ComboBox1", 1);
    s.typeOver("TForm4", "ComboBox1", "Своя стена");
    s.click("TForm4", "Button1");
    s.put("TMainForm", "Edit5", "3,1");
    s.typeOver("TForm2", "ComboBox2", "Известняк свой");
    s.put("TForm2", "Edit2", "0,7");
    s.put("TForm2", "Edit40", "9");
    s.put("TForm2", "Edit14", "250");
    s.platform.answer(set);
    s.click("TForm2", "SpeedButton1");
    s.choose("TForm2", "ComboBox12", 1);
    s.put("TForm2", "Edit24", "60");
    s.click("TForm2", "Button1");
    s.put("TMainForm", "Edit1", "2,5");
    s.program.forms().profileWindow->setInputs({"18", "60,5", "-19", "4,5", false});
    s.wait(600);
}

} // namespace

class ProjectTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void openingShowsTheCalculationAgain_data();
    void openingShowsTheCalculationAgain();
    void choicesOpenByTheirItems_data();
    void choicesOpenByTheirItems();
    void openingOverAnotherCalculation();
    void openingUnderTheOtherSeparator();
    void badFileChangesNothing();
    void textsThatAreNoNumbers_data();
    void textsThatAreNoNumbers();
    void recalculationForADocumentNamesTheField_data();
    void recalculationForADocumentNamesTheField();
    void textsLongerThanAFieldAreNamed();
    void menuAndCommandLine();
    void windowsNeverOpenedAreCapturedAsBuilt_data();
    void windowsNeverOpenedAreCapturedAsBuilt();

  private:
    std::unique_ptr<QTemporaryDir> folder_;
};

void ProjectTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(folder_->path());
}

void ProjectTest::openingShowsTheCalculationAgain_data() {
    QTest::addColumn<void*>("story");
    QTest::addRow("typical calculation") << reinterpret_cast<void*>(&typical);
    QTest::addRow("production") << reinterpret_cast<void*>(&production);
    QTest::addRow("walls between flats, air gap")
        << reinterpret_cast<void*>(&wallsBetweenFlatsAndAirGap);
    QTest::addRow("typed texts, user list") << reinterpret_cast<void*>(&typedTexts);
}

void ProjectTest::openingShowsTheCalculationAgain() {
    QFETCH(void*, story);
    QStringList saved;
    ProfileInputs profile;
    QByteArray report;
    {
        Session before;
        reinterpret_cast<void (*)(Session&)>(story)(before);
        saved = stateOf(before.program);
        profile = before.program.forms().profileWindow->inputs();
        report = before.report("before.txt");
        before.platform.answer("project");
        before.menu("SaveProject");
        QVERIFY(before.platform.messages.isEmpty() ||
                before.platform.messages.last().kind != ScriptedPlatform::Kind::Error);
    }
    Session after;
    after.platform.answer("project.vvz");
    after.menu("OpenProject");
    compareStates(stateOf(after.program), saved);
    QCOMPARE(after.program.forms().profileWindow->inputs(), profile);
    QCOMPARE(after.report("after.txt"), report);
    // The timers that the opening started change nothing more.
    after.wait(1200);
    compareStates(stateOf(after.program), saved);
}

void ProjectTest::choicesOpenByTheirItems_data() {
    QTest::addColumn<QString>("control"); // window.list
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed"); // over the item; empty for the item itself
    QTest::newRow("city") << "TForm3.ComboBox4" << 5 << "";
    QTest::newRow("construction type") << "TForm4.ComboBox1" << 2 << "";
    QTest::newRow("construction type, typed") << "TForm4.ComboBox1" << 2 << "Своя стена";
    QTest::newRow("flats' construction kind") << "TForm6.ComboBox4" << 1 << "";
    QTest::newRow("air gap placement") << "TForm7.ComboBox2" << 1 << "";
    QTest::newRow("air gap placement, typed") << "TForm7.ComboBox2" << 1 << "вдоль";
    QTest::newRow("material") << "TForm2.ComboBox3" << 4 << "";
    QTest::newRow("material, typed") << "TForm2.ComboBox3" << 4 << "Кирпич свой";
}

// A project opened where the lists' items read otherwise, as in another language, shows
// the items it keeps in the texts of the lists, and a typed text as it was typed.
void ProjectTest::choicesOpenByTheirItems() {
    QFETCH(QString, control);
    QFETCH(int, item);
    QFETCH(QString, typed);
    const QByteArray window = control.section('.', 0, 0).toLatin1();
    const QString list = control.section('.', 1);
    {
        Session before;
        before.choose(window, list, item);
        if (!typed.isEmpty())
            before.typeOver(window, list, typed);
        before.platform.answer("project.vvz");
        before.menu("SaveProject");
    }
    Session after;
    auto* box = after.control<QComboBox>(window, list);
    for (int i = 0; i < box->count(); ++i) // the source texts stay as item data
        box->setItemText(i, QStringLiteral("переклад %1").arg(i));
    after.platform.answer("project.vvz");
    after.menu("OpenProject");
    QCOMPARE(box->currentText(), typed.isEmpty() ? box->itemText(item) : typed);
    QCOMPARE(pickedIndex(box), typed.isEmpty() ? item : -1);
}

// Opening replaces a calculation in progress; the results follow the opened inputs.
void ProjectTest::openingOverAnotherCalculation() {
    {
        Session first;
        typical(first);
        first.platform.answer("typical.vvz");
        first.menu("SaveProject");
    }
    Session fresh;
    fresh.platform.answer("typical.vvz");
    fresh.menu("OpenProject");
    const QStringList expected = stateOf(fresh.program);

    Session used;
    wallsBetweenFlatsAndAirGap(used);
    used.platform.answer("typical.vvz");
    used.menu("OpenProject");
    used.wait(1200);
    const QStringList found = stateOf(used.program);
    for (const char* window : {"TMainForm.", "TForm2.", "TForm5.", "TForm9."})
        compareStates(found.filter(QLatin1String(window)), expected.filter(QLatin1String(window)));
}

// Typed with a comma, opened where the locale's separator is a point: the same numbers.
void ProjectTest::openingUnderTheOtherSeparator() {
    {
        Session comma;
        typical(comma);
        comma.platform.answer("comma.vvz");
        comma.menu("SaveProject");
    }
    Session point(QLatin1Char('.'));
    point.platform.answer("comma.vvz");
    point.menu("OpenProject");
    QVERIFY(point.platform.messages.isEmpty());
    QCOMPARE(point.control<QLineEdit>("TMainForm", "Edit3")->text(), QStringLiteral("8.7"));
    QCOMPARE(point.control<QLineEdit>("TMainForm", "Edit1")->text(), QStringLiteral("2.130"));
    QCOMPARE(point.control<QLabel>("TMainForm", "Label8")->text(),
             QStringLiteral("Условие выполняется."));
}

void ProjectTest::badFileChangesNothing() {
    Session s;
    typical(s);
    s.platform.answer("good.vvz");
    s.menu("SaveProject");
    const QStringList before = stateOf(s.program);
    const QByteArray good = bytesOf("good.vvz");
    putBytes("damaged.vvz", good.left(good.size() - 40));
    s.platform.messages.clear();
    s.platform.answer("damaged.vvz");
    s.menu("OpenProject");
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.platform.messages[0].kind, ScriptedPlatform::Kind::Error);
    QVERIFY(s.platform.messages[0].text.startsWith(
        QStringLiteral("Проект \"%1\" поврежден: ")
            .arg(nativePath(QDir::current().filePath("damaged.vvz")))));
    compareStates(stateOf(s.program), before);
}

void ProjectTest::textsThatAreNoNumbers_data() {
    QTest::addColumn<QStringList>("where"); // the path in the file, the last key its field
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("message");
    QTest::addRow("layer thickness")
        << QStringList{"layers", "rows", "2", "thickness"} << "NaN"
        << "TForm2"
        << "Edit15"
        << "(расчет слоев): в поле «слой 3: толщина, мм» записано «NaN»";
    QTest::addRow("beyond the double range")
        << QStringList{"main", "alphaExt"} << "1e400"
        << "TMainForm"
        << "Edit2"
        << "(расчет слоев): в поле «alpha_ext (главное окно)» записано «1e400»";
    QTest::addRow("quantity") << QStringList{"quantity", "height"} << "abc"
                              << "TForm9"
                              << "ComboBox1"
                              << "(подбор и расход утеплителя): в поле «подсчет расхода: "
                                 "высота, м» записано «abc»";
}

// The texts come back as saved, and the replayed calculation's failure is one
// message that names the project and the field.
void ProjectTest::textsThatAreNoNumbers() {
    QFETCH(QStringList, where);
    QFETCH(QString, text);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, message);
    {
        Session first;
        typical(first);
        first.platform.answer("typical.vvz");
        first.menu("SaveProject");
    }
    QJsonObject project = QJsonDocument::fromJson(bytesOf("typical.vvz")).object();
    setAt(project, where, text);
    putBytes("hostile.vvz", QJsonDocument(project).toJson());

    Session s;
    s.platform.answer("hostile.vvz");
    s.menu("OpenProject");
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.platform.messages[0].kind, ScriptedPlatform::Kind::Error);
    const QString path = QDir::current().filePath("hostile.vvz");
    QCOMPARE(s.platform.messages[0].text,
             QStringLiteral("Проект \"%1\" открыт, но расчет по нему остановлен %2, это значение "
                            "не читается как число.\nПоля показывают значения, сохраненные в "
                            "проекте.")
                 .arg(nativePath(path), message));
    QWidget* field = s.window(qPrintable(window))->findChild<QWidget*>(control);
    if (auto* list = qobject_cast<QComboBox*>(field))
        QCOMPARE(list->currentText(), text);
    else
        QCOMPARE(qobject_cast<QLineEdit*>(field)->text(), text);
    s.wait(1200);
    QCOMPARE(s.platform.messages.size(), 1);
}

void ProjectTest::recalculationForADocumentNamesTheField_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cause");
    const QString noNumber = "в поле «%1» записано «%2», это значение не читается как число";
    QTest::addRow("layers: not a number")
        << "TForm2"
        << "Edit15"
        << "NaN"
        << "(расчет слоев): " + noNumber.arg("слой 3: толщина, мм", "NaN");
    QTest::addRow("check: empty") << "TMainForm"
                                  << "Edit2"
                                  << ""
                                  << "(проверка R0 >= Rqmin): " +
                                         noNumber.arg("alpha_ext (главное окно)", "");
    QTest::addRow("check: beyond the double range")
        << "TMainForm"
        << "Edit2"
        << "1e400"
        << "(проверка R0 >= Rqmin): " + noNumber.arg("alpha_ext (главное окно)", "1e400");
    QTest::addRow("check: division by zero") << "TMainForm"
                                             << "Edit2"
                                             << "0"
                                             << "(проверка R0 >= Rqmin): деление на ноль";
}

// "Пересчитать" before a document fails as opening a project does: one message in the
// interface's words, naming the field; no document is made.
void ProjectTest::recalculationForADocumentNamesTheField() {
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, cause);
    Session s;
    typical(s);
    s.put(qPrintable(window), field, text);
    s.platform.messages.clear();
    s.platform.answerButton("Пересчитать");
    s.platform.answer("report.pdf");
    s.menu("ExportPdf");
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.platform.messages[0].kind, ScriptedPlatform::Kind::Error);
    QCOMPARE(s.platform.messages[0].text,
             QStringLiteral("Пересчет остановлен %1.\nДокумент не сделан.").arg(cause));
    QVERIFY(!QFile::exists("report.pdf"));
}

// The fields take 32767 characters: a project's longer texts are cut with a word that names
// their fields, and what is saved again is what the fields hold.
void ProjectTest::textsLongerThanAFieldAreNamed() {
    {
        Session first;
        typical(first);
        first.platform.answer("typical.vvz");
        first.menu("SaveProject");
    }
    QJsonObject project = QJsonDocument::fromJson(bytesOf("typical.vvz")).object();
    setAt(project, {"details", "objectTitle"}, QString(100000, u'ж'));
    setAt(project, {"details", "author"}, QString(32768, 'a'));
    setAt(project, {"details", "client"}, QString(32767, 'c'));
    putBytes("long.vvz", QJsonDocument(project).toJson());

    Session s;
    s.platform.answer("long.vvz");
    s.menu("OpenProject");
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(s.platform.messages[0].kind, ScriptedPlatform::Kind::Warning);
    QCOMPARE(s.platform.messages[0].text,
             QStringLiteral("В проекте \"%1\" есть тексты длиннее 32767 знаков, больше поле не "
                            "вмещает. Они показаны сокращенными: «Объект», «Исполнитель».\nФайл "
                            "проекта не изменен.")
                 .arg(nativePath(QDir::current().filePath("long.vvz"))));
    const Project::Record shown = ProjectReplay::capture(s.program.forms());
    QCOMPARE(shown.details.objectTitle, QString(32767, u'ж'));
    QCOMPARE(shown.details.author, QString(32767, 'a'));
    QCOMPARE(shown.details.client, QString(32767, 'c'));
}

void ProjectTest::menuAndCommandLine() {
    Session s;
    requirementOfOdessa(s);
    brickWall(s);
    auto* open = s.control<QAction>("TMainForm", "OpenProject");
    auto* save = s.control<QAction>("TMainForm", "SaveProject");
    QCOMPARE(open->text(), QStringLiteral("Открыть проект..."));
    QCOMPARE(save->text(), QStringLiteral("Сохранить проект..."));
    QCOMPARE(open->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(save->shortcut(), QKeySequence("Ctrl+S"));
    QVERIFY(!open->statusTip().isEmpty() && !save->statusTip().isEmpty());

    // The dialogs: the project type, the extension added, the last path kept.
    s.platform.answer("расчет");
    save->trigger();
    const FileDialog shown = s.platform.dialogsShown.last();
    QCOMPARE(shown.filters.size(), 1);
    QCOMPARE(shown.filters[0].name, QStringLiteral("Проект Vuvuvudozizod (*.vvz)"));
    QCOMPARE(shown.defaultExtension, QStringLiteral("vvz"));
    QVERIFY(shown.overwritePrompt);
    const QString path = QDir::current().filePath("расчет.vvz");
    QVERIFY(QFile::exists(path));
    s.platform.answerCancel();
    open->trigger();
    QCOMPARE(s.platform.dialogsShown.last().lastPath, path);

    // Started with a project (the command line opens it as the menu does): its inputs are
    // there; with a missing one: the message.
    {
        Session started;
        started.program.forms().mainForm->openProject(path);
        compareStates(stateOf(started.program), stateOf(s.program));
        QVERIFY(started.platform.messages.isEmpty());
    }
    Session missing;
    missing.program.forms().mainForm->openProject("нет.vvz");
    QCOMPARE(missing.platform.messages.size(), 1);
    QCOMPARE(missing.platform.messages[0].text,
             QStringLiteral("Не удалось открыть проект \"нет.vvz\": файл не найден."));
}

void ProjectTest::windowsNeverOpenedAreCapturedAsBuilt_data() {
    QTest::addColumn<InterfaceLanguage>("language");
    QTest::newRow("Russian") << InterfaceLanguage::Russian;
    QTest::newRow("Ukrainian") << InterfaceLanguage::Ukrainian;
}

// Typing in the main window and keeping the calculation build no hidden window, and find
// what building it would show.
void ProjectTest::windowsNeverOpenedAreCapturedAsBuilt() {
    QFETCH(InterfaceLanguage, language);
    const auto russianAgain = qScopeGuard([] { switchLanguage(InterfaceLanguage::Russian); });
    switchLanguage(language); // before the program: a switch hands the layer window a note
    ScriptedPlatform platform;
    Program program(platform);
    program.forms().mainForm->findChild<QLineEdit*>("Edit1")->setText(QStringLiteral("0,1"));
    const QString unbuilt = ProjectFile::encode(ProjectReplay::capture(program.forms()));
    const auto& forms = program.forms();
    const std::vector<const LazyWindow*> lazy{
        forms.form2.created(), forms.form3.created(), forms.form4.created(), forms.form5.created(),
        forms.form6.created(), forms.form7.created(), forms.form9.created()};
    for (const LazyWindow* window : lazy)
        QVERIFY2(!window->isBuilt(), qPrintable(window->objectName()));
    program.windows(); // builds them all
    QCOMPARE(QString(ProjectFile::encode(ProjectReplay::capture(forms))), unbuilt);
}

QTEST_MAIN(ProjectTest)
#include "tst_project.moc"
