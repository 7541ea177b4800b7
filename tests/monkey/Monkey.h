#pragma once
// Random use of the whole program: a seeded sequence of user actions across all
// twelve windows, with the program's invariants checked after every action.

#include <QDir>
#include <QHash>
#include <QPointer>
#include <QString>
#include <memory>
#include <random>

class Program;
class ScriptedPlatform;
class QLineEdit;
class QWidget;

class Monkey {
  public:
    Monkey(quint64 seed, QDir folder);
    ~Monkey();

    // Performs `actions` random actions; empty when every invariant held, else
    // what broke, after which action and how to replay it.
    QString run(int actions);

  private:
    void startProgram();
    QString act();
    QString checkInvariants();

    QString randomText();
    QString randomPath();
    void queueDialogAnswer();
    QWidget* randomVisibleWindow();

    QString click(QWidget* window);
    QString triggerMenuItem(QWidget* window);
    QString choose(QWidget* window);
    QString typeInto(QWidget* window);

    std::mt19937_64 random_;
    quint64 seed_;
    QDir folder_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Program> program_;
    QList<QPointer<QWidget>> windows_;
    // What the monkey itself typed last into each field: that text may hold anything.
    QHash<const QLineEdit*, QString> typed_;
    int checkedMessages_ = 0;
};
