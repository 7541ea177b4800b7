#include "Monkey.h"

#include "session/LastSession.h"
#include "session/Program.h"
#include "support/Controls.h"
#include "testsupport/FileFaults.h"
#include "support/Typing.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTextEdit>

#include <cstdio>
#include <exception>
#include <sys/stat.h>

namespace {

// The errors the program may show; anything else escaped from somewhere.
bool isProgramError(const QString& text) {
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> list;
        for (const char* pattern :
             {"^'.*' is not a valid floating point value\\.$",
              "^Floating point division by zero\\.$", "^Invalid floating point operation\\.$",
              "^Floating point overflow\\.$", "^Cannot open file \".*\"\\. .+$",
              "^Cannot create file \".*\"\\. .+$",
              // printing into a file: the print system gives no reason
              "^Cannot create file \".*\"\\.$",
              "^(File not found|Invalid filename|Too many open files|File access denied|Disk "
              "full|Is a directory|File name too long|Input/output error|Not a regular "
              "file)\\.$",
              "^Disk full: \".*\"\\.$", "^I/O error \\d+\\.$", "^File too large \\(.+\\)\\.$",
              // a text file that could not be written: the reason, the file, the hidden cause
              "^(File not found|Invalid filename|Too many open files|File access denied|Disk "
              "full|Is a directory|File name too long|Input/output error|Not a regular "
              "file|I/O error \\d+): \".*\"( \\(.+\\))?\\.$",
              // the recalculation before a document, stopped
              "^Пересчет остановлен \\(.+\\): .+\nДокумент не сделан\\.$",
              // the project file's own messages
              "^Не удалось открыть проект \".*\": .+$", "^Проект \".*\" поврежден: .+$",
              "^Файл \".*\" не является проектом Vuvuvudozizod\\.$",
              "^Проект \".*\" сохранен более новой версией программы .+$",
              "^Расчет записан в файл \".*\", но показать его здесь нельзя: .+$",
              // a project, a report or a drawing that could not be saved or printed, with the cause
              "^Не удалось (сохранить|напечатать) .+ \".*\": .+$",
              "^Не удалось (начать|закончить) печать отчета\\.$",
              // a kept calculation restored whose replay stops, as any project's may
              "^Проект \".*\" открыт, но расчет по нему остановлен \\(.+\\): .+$"})
            list << QRegularExpression(QString::fromUtf8(pattern),
                                       QRegularExpression::DotMatchesEverythingOption);
        return list;
    }();
    for (const auto& pattern : patterns)
        if (pattern.match(text).hasMatch())
            return true;
    return false;
}

// Where a shown text holds "inf", "nan" or a negative zero: start and end of each.
QList<std::pair<qsizetype, qsizetype>> brokenNumbers(const QString& text) {
    static const QRegularExpression nonFinite(QStringLiteral("inf|nan"),
                                              QRegularExpression::CaseInsensitiveOption);
    // A minus that follows a letter is a hyphen, as in the board name "ПСБ-0".
    static const QRegularExpression negativeZero(
        QStringLiteral("(?<![\\p{L}\\p{N}.,])-0+([.,]0*)?(E-?\\d+)?(?![\\p{N}.,E])"));
    QList<std::pair<qsizetype, qsizetype>> found;
    // Most texts hold neither: the expressions run only where they could match.
    if (!text.contains(QLatin1String("-0")) &&
        !text.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
        !text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
        return found;
    for (const QRegularExpression* pattern : {&nonFinite, &negativeZero})
        for (auto it = pattern->globalMatch(text); it.hasNext();) {
            const auto match = it.next();
            found.append({match.capturedStart(), match.capturedEnd()});
        }
    return found;
}

// The file faults of the folders behind the dialogs, as a full disk, a read-only
// folder and a failing device give them (the monkey runs as any user, root too).
int folderFault(const QDir& folder, FileFaults::Step step, const QString& target) {
    using FileFaults::Step;
    const QString name = QDir(folder).relativeFilePath(target);
    if (name.startsWith(QLatin1String("full/")))
        return step == Step::Write ? ENOSPC : 0;
    if (name.startsWith(QLatin1String("readonly/")))
        return step == Step::CreateTemporary ? EACCES : 0;
    if (name.startsWith(QLatin1String("failing/")))
        return step == Step::Sync ? EIO : 0;
    // The last file of a set can't be put in place: the first two are put back.
    if (name.startsWith(QLatin1String("renaming/")))
        return step == Step::PutInPlace && name.endsWith(QLatin1String("S")) ? EIO : 0;
    return 0;
}

// A file's inode, size and time of change: any write or replacement changes them.
QByteArray statusOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return QByteArray::number(qulonglong(status.st_ino)) + ' ' +
           QByteArray::number(qlonglong(status.st_size)) + ' ' +
           QByteArray::number(qlonglong(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qlonglong(status.st_mtim.tv_nsec));
}

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

const QByteArray exampleText("2,5\r\n\xcf\xf0\xe8\xec\xe5\xf0\r\n"); // "Пример" in Windows-1251

void putExampleFiles(const QDir& folder) {
    putFile(folder.filePath(QStringLiteral("existing.txt")), exampleText);
    putFile(folder.filePath(QStringLiteral("set.rww")), "\xd1\xf2\xe5\xed\xe0\r\n\xcf\xee\xeb");
    putFile(folder.filePath(QStringLiteral("set.rwwLd")), "0,5\r\n0.3");
    putFile(folder.filePath(QStringLiteral("set.rwwS")), "6\r\n1e-320");
}

const QString longName = QString(250, QLatin1Char('n')) + QStringLiteral(".txt");

template <class T> QList<T*> usable(QWidget* window) {
    QList<T*> found;
    for (T* widget : window->findChildren<T*>())
        if (widget->isVisibleTo(window) && widget->isEnabled())
            found << widget;
    return found;
}

} // namespace

Monkey::Monkey(quint64 seed, QDir folder) : random_(seed), seed_(seed), folder_(std::move(folder)) {
    prepareFolder(folder_);
    // Every write fails in these folders; in the last, single files may change but
    // the Ld and S files of its set only with the names, which always fails.
    for (const char* unchangeable :
         {"full/existing.txt", "full/set.rww", "full/set.rwwLd", "full/set.rwwS",
          "readonly/existing.txt", "readonly/set.rww", "readonly/set.rwwLd", "readonly/set.rwwS",
          "failing/existing.txt", "failing/set.rww", "failing/set.rwwLd", "failing/set.rwwS",
          "renaming/set.rwwLd", "renaming/set.rwwS"}) {
        const QString path = folder_.filePath(QLatin1String(unchangeable));
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            unchangeable_.insert(path, {file.readAll(), statusOf(path)});
    }
    FileFaults::install([folder = folder_](FileFaults::Step step, const QString& target) {
        return folderFault(folder, step, target);
    });
    startProgram();
}

Monkey::~Monkey() {
    FileFaults::install({});
}

void Monkey::prepareFolder(const QDir& folder) {
    putExampleFiles(folder);
    for (const char* faulty : {"full", "readonly", "failing", "renaming"}) {
        folder.mkpath(QLatin1String(faulty));
        putExampleFiles(QDir(folder.filePath(QLatin1String(faulty))));
    }
    ::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe"))).constData(), 0600);
    folder.mkpath(QStringLiteral("folder.txt"));
    QFile huge(folder.filePath(QStringLiteral("huge.txt")));
    if (huge.open(QIODevice::WriteOnly))
        huge.resize(50 * 1024 * 1024); // sparse: no disk space taken
    putFile(folder.filePath(QStringLiteral("binary.rww")),
            QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    putFile(folder.filePath(QStringLiteral("many-lines.txt")), QByteArray(200000, '\n'));
    putFile(folder.filePath(longName), exampleText);
}

void Monkey::startProgram() {
    program_.reset();
    platform_ =
        std::make_unique<ScriptedPlatform>(random_() % 2 ? QLatin1Char(',') : QLatin1Char('.'));
    program_ = std::make_unique<Program>(*platform_);
    clock_.adoptTimers();
    windows_.clear();
    for (QWidget* window : program_->windows())
        windows_ << window;
    // What was typed before stays excused: the files keep it across a restart.
    checkedMessages_ = 0;
}

QString Monkey::run(int actions) {
    for (int i = 1; i <= actions; ++i) {
        QString action;
        try {
            action = act();
            QApplication::processEvents();
            // Each action takes a moment of the monkey's own time.
            clock_.advance(random_() % 4 ? qint64(random_() % 60) : qint64(random_() % 400));
        } catch (const std::exception& error) {
            action +=
                QStringLiteral(" -> exception escaped: ") + QString::fromLocal8Bit(error.what());
            return QStringLiteral("action %1 (%2)").arg(i).arg(action);
        } catch (...) {
            return QStringLiteral("action %1 (%2): an unknown exception escaped")
                .arg(i)
                .arg(action);
        }
        if (trace_)
            std::printf("%d %s\n", i, qPrintable(action));
        const QString broken = checkInvariants();
        if (!broken.isEmpty())
            return QStringLiteral(
                       "after action %1 (%2): %3\nreplay: vuvuvudozizod-monkey --seed %4 "
                       "--actions %1")
                .arg(i)
                .arg(action, broken)
                .arg(seed_);
        if (platform_->ended)
            startProgram();
    }
    return {};
}

QString Monkey::act() {
    queueDialogAnswer();
    QWidget* window = randomVisibleWindow();
    const int dice = int(random_() % 100);
    if (dice < 30)
        return click(window);
    if (dice < 38)
        return triggerMenuItem(program_->window(QStringLiteral("TMainForm")));
    if (dice < 56)
        return choose(window);
    if (dice < 94)
        return typeInto(window);
    if (dice < 97) {
        const int milliseconds = 50 + int(random_() % 1100);
        clock_.advance(milliseconds);
        return QStringLiteral("wait %1").arg(milliseconds);
    }
    if (window != program_->window("TMainForm") || random_() % 10 == 0) {
        window->close();
        return QStringLiteral("close %1").arg(window->metaObject()->className());
    }
    return QStringLiteral("nothing");
}

QWidget* Monkey::randomVisibleWindow() {
    QList<QWidget*> visible;
    for (const auto& window : windows_)
        if (window && window->isVisible())
            visible << window;
    if (visible.isEmpty())
        return program_->window("TMainForm");
    return visible.at(int(random_() % visible.size()));
}

QString Monkey::click(QWidget* window) {
    QList<QWidget*> targets;
    for (auto* button : usable<QAbstractButton>(window))
        targets << button;
    for (auto* label : usable<ClickableLabel>(window))
        targets << label;
    if (targets.isEmpty())
        return QStringLiteral("no button in %1").arg(window->metaObject()->className());
    QWidget* target = targets.at(int(random_() % targets.size()));
    const QString what =
        QStringLiteral("click %1 %2").arg(window->metaObject()->className(), target->objectName());
    if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->click();
    else
        static_cast<ClickableLabel*>(target)->click();
    return what;
}

QString Monkey::triggerMenuItem(QWidget* window) {
    QList<QAction*> items;
    // The invariants know the program's messages in Russian: the language stays; its
    // switch has tests of its own.
    for (QMenu* menu : window->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !action->menu() && action->isEnabled() &&
                !action->objectName().startsWith(QLatin1String("Language")))
                items << action;
    if (items.isEmpty())
        return QStringLiteral("no menu item");
    QAction* item = items.at(int(random_() % items.size()));
    item->trigger();
    return QStringLiteral("menu %1").arg(item->text());
}

QString Monkey::choose(QWidget* window) {
    const QList<QComboBox*> lists = usable<QComboBox>(window);
    if (lists.isEmpty())
        return QStringLiteral("no list in %1").arg(window->metaObject()->className());
    QComboBox* list = lists.at(int(random_() % lists.size()));
    const QString what =
        QStringLiteral("%1 %2").arg(window->metaObject()->className(), list->objectName());
    if (list->isEditable() && random_() % 4 == 0) {
        const QString text = randomText();
        list->lineEdit()->selectAll();
        typeRecorded(list->lineEdit(), text);
        return QStringLiteral("type into %1: \"%2\"").arg(what, text);
    }
    if (list->count() == 0)
        return QStringLiteral("empty list %1").arg(what);
    const int index = int(random_() % list->count());
    ::choose(list, index);
    return QStringLiteral("choose %1 item %2").arg(what).arg(index);
}

QString Monkey::typeInto(QWidget* window) {
    QList<QWidget*> targets;
    for (QLineEdit* field : usable<QLineEdit>(window))
        if (!field->isReadOnly())
            targets << field;
    for (QTextEdit* area : usable<QTextEdit>(window))
        if (!area->isReadOnly())
            targets << area;
    if (targets.isEmpty())
        return QStringLiteral("no field in %1").arg(window->metaObject()->className());
    QWidget* target = targets.at(int(random_() % targets.size()));
    const QString where =
        QStringLiteral("%1 %2").arg(window->metaObject()->className(), target->objectName());
    if (auto* area = qobject_cast<QTextEdit*>(target))
        return typeIntoArea(area, where);
    auto* field = static_cast<QLineEdit*>(target);
    const QString text = randomText();
    const int how = int(random_() % 3);
    if (how == 0)
        field->selectAll();
    else
        field->end(false);
    if (how == 2) {
        field->selectAll();
        Typing::sendKey(field, Qt::Key_Delete);
    } else {
        typeRecorded(field, text);
    }
    return QStringLiteral("type %1 \"%2\"").arg(where, how == 2 ? QString() : text);
}

// Lines of numbers and words, line ends included, at the end or over everything.
QString Monkey::typeIntoArea(QTextEdit* area, const QString& where) {
    const int how = int(random_() % 4);
    if (how == 0) {
        area->selectAll();
        Typing::sendKey(area, Qt::Key_Delete);
        return QStringLiteral("clear %1").arg(where);
    }
    if (how == 1)
        area->selectAll();
    else
        area->moveCursor(QTextCursor::End);
    QString text;
    for (int line = int(random_() % 4); line >= 0; --line)
        text += randomText() + (line > 0 ? QStringLiteral("\n") : QString());
    Typing::typeText(area, text);
    // Its lines reach fields through the files that the area's window writes.
    for (const QString& line : area->toPlainText().split(QLatin1Char('\n')))
        if (!brokenNumbers(line).isEmpty())
            typed_.insert(line);
    return QStringLiteral("type %1 \"%2\"").arg(where, text);
}

void Monkey::typeRecorded(QLineEdit* field, const QString& text) {
    for (QChar c : text) {
        Typing::typeCharacter(field, c);
        // Only a text that shows a broken number can excuse one elsewhere.
        if (!brokenNumbers(field->text()).isEmpty())
            typed_.insert(field->text());
    }
}

QString Monkey::randomText() {
    static const QStringList samples{"0",      "1",     "2,5",    "2.5",  "-1",
                                     "-0",     "0,0",   "23",     "8,7",  "1e308",
                                     "-1e308", "9e307", "1e-320", "1E-5", "100",
                                     "1000",   "",      " 5 ",    "абв",  "200...300",
                                     "1,,2",   "e",     "+",      ",",    "12345678901234567890"};
    if (random_() % 4)
        return samples.at(int(random_() % samples.size()));
    static const QString alphabet = QStringLiteral("0123456789,.-+eE xбю");
    QString text;
    const int length = int(random_() % 8);
    for (int i = 0; i < length; ++i)
        text += alphabet.at(int(random_() % alphabet.size()));
    return text;
}

QString Monkey::randomPath() {
    static const QStringList hostile{QStringLiteral("full/existing.txt"),
                                     QStringLiteral("full/set.rww"),
                                     QStringLiteral("readonly/existing.txt"),
                                     QStringLiteral("readonly/set.rww"),
                                     QStringLiteral("failing/existing.txt"),
                                     QStringLiteral("failing/set.rww"),
                                     QStringLiteral("renaming/existing.txt"),
                                     QStringLiteral("renaming/set.rww"),
                                     QStringLiteral("full/new.txt"),
                                     QStringLiteral("pipe"),
                                     QStringLiteral("folder.txt"),
                                     QStringLiteral("huge.txt"),
                                     QStringLiteral("binary.rww"),
                                     QStringLiteral("many-lines.txt"),
                                     longName};
    switch (random_() % 5) {
    case 0:
        return folder_.filePath(QStringLiteral("existing.txt"));
    case 1:
        return folder_.filePath(QStringLiteral("new-%1.txt").arg(random_() % 5));
    case 2:
        return folder_.filePath(QStringLiteral("no-such-folder/file.txt"));
    case 3:
        return folder_.filePath(QStringLiteral("set.rww"));
    default:
        return folder_.filePath(hostile.at(int(random_() % hostile.size())));
    }
}

void Monkey::queueDialogAnswer() {
    platform_->answers.clear();
    for (int i = 0; i < 3; ++i) {
        if (random_() % 5 == 0)
            platform_->answerCancel();
        else
            platform_->answer(randomPath());
    }
}

QString Monkey::checkInvariants() {
    for (int i = 0; i < windows_.size(); ++i)
        if (!windows_[i])
            return QStringLiteral("window %1 of the twelve was destroyed").arg(i + 1);
    for (; checkedMessages_ < platform_->messages.size(); ++checkedMessages_) {
        const auto& message = platform_->messages.at(checkedMessages_);
        if (message.title.isEmpty())
            return QStringLiteral("a message box without a title: %1").arg(message.text);
        if (message.kind == ScriptedPlatform::Kind::Error && !isProgramError(message.text))
            return QStringLiteral("an error that is not one of the program's messages: \"%1\"")
                .arg(message.text);
    }
    for (const auto& window : windows_) {
        for (QLineEdit* field : window->findChildren<QLineEdit*>())
            if (!onlyTypedTextBroken(field->text()))
                return QStringLiteral("%1 %2 shows \"%3\"")
                    .arg(window->metaObject()->className(), field->objectName(), field->text());
        for (QLabel* label : window->findChildren<QLabel*>())
            if (!onlyTypedTextBroken(label->text()))
                return QStringLiteral("%1 %2 shows \"%3\"")
                    .arg(window->metaObject()->className(), label->objectName(), label->text());
    }
    return checkFiles();
}

bool Monkey::onlyTypedTextBroken(const QString& text) const {
    for (const auto& [start, end] : brokenNumbers(text)) {
        bool typed = false;
        for (auto t = typed_.cbegin(); t != typed_.cend() && !typed; ++t)
            for (qsizetype at = text.indexOf(*t); at >= 0 && at <= start && !typed;
                 at = text.indexOf(*t, at + 1))
                typed = end <= at + t->size();
        if (!typed)
            return false;
    }
    return true;
}

// A write that failed changed nothing, and no file of a replacement was left behind.
QString Monkey::checkFiles() {
    for (auto it = unchangeable_.begin(); it != unchangeable_.end(); ++it) {
        const QByteArray status = statusOf(it.key());
        if (!status.isEmpty() && status == it->status)
            continue; // not written to since its bytes were last compared
        QFile file(it.key());
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != it->bytes)
            return QStringLiteral("%1 changed although every write there fails").arg(it.key());
        it->status = status; // put back as it was
    }
    LastSession::finishWriting(); // the recovery project is written in the background
    for (QDirIterator it(folder_.path(), {QStringLiteral(".vuv*")}, QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        return QStringLiteral("%1 was left behind").arg(it.next());
    return {};
}
