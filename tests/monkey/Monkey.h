#pragma once
// Random use of the whole program: a seeded sequence of user actions across all
// twelve windows, with the program's invariants checked after every action.

#include "VirtualClock.h"

#include <QDir>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <memory>
#include <random>

class Program;
class ScriptedPlatform;
class QLineEdit;
class QTextEdit;
class QWidget;

class Monkey {
  public:
    Monkey(quint64 seed, QDir folder);
    ~Monkey();

    // Performs `actions` random actions; empty when every invariant held, else
    // what broke, after which action and how to replay it.
    QString run(int actions);
    // Prints every action as it is done, to compare two runs of one seed.
    void setTrace(bool on) { trace_ = on; }

    // The folders behind the file dialogs: ordinary files, a full folder, a
    // read-only one, one whose device fails, a FIFO, a folder in a file's place,
    // a huge and a binary file, a name of the longest length.
    static void prepareFolder(const QDir& folder);

  private:
    void startProgram();
    QString act();
    QString checkInvariants();
    QString checkFiles();
    // Whether every broken number in `text` lies within a text that was typed.
    bool onlyTypedTextBroken(const QString& text) const;

    QString randomText();
    QString randomPath();
    void queueDialogAnswer();
    QWidget* randomVisibleWindow();

    QString click(QWidget* window);
    QString triggerMenuItem(QWidget* window);
    QString choose(QWidget* window);
    QString typeInto(QWidget* window);
    QString typeIntoArea(QTextEdit* area, const QString& where);
    // Types key by key, keeping each text the field shows on the way.
    void typeRecorded(QLineEdit* field, const QString& text);

    std::mt19937_64 random_;
    quint64 seed_;
    QDir folder_;
    VirtualClock clock_; // before the program, whose timers it holds
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Program> program_;
    QList<QPointer<QWidget>> windows_;
    // Every text that a field or list held after one of the monkey's keys: what a
    // user typed may hold anything, and captions copy it.
    QSet<QString> typed_;
    // Files that every write must fail to change: their bytes, and the status they
    // had when the bytes were last compared, so that an untouched file isn't read.
    struct Kept {
        QByteArray bytes;
        QByteArray status;
    };
    QHash<QString, Kept> unchangeable_;
    int checkedMessages_ = 0;
    bool trace_ = false;
};
