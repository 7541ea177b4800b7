#pragma once
// The platform of tests and the scenario runner: records every message and
// request, and answers every file dialog from a queue.

#include "ui/Platform.h"

#include <QQueue>

class ScriptedPlatform : public Platform {
  public:
    enum class Kind { Info, Warning, Error };
    struct Message {
        Kind kind;
        QString title;
        QString text;
    };

    explicit ScriptedPlatform(QChar separator = QLatin1Char(',')) : Platform(separator) {}

    void information(const QString& text) override;
    void warning(const QString& title, const QString& text) override;
    void error(const QString& text) override;
    // The next queued button; with none queued, the last button and an unanswered dialog.
    int ask(const QString& title, const QString& text, const QStringList& buttons) override;
    std::optional<QString> askOpenFile(FileDialog& dialog) override;
    std::optional<QString> askSaveFile(FileDialog& dialog) override;
    // The print dialog takes the next answer too: a path prints into that PDF file.
    bool askPrint(QPrinter& printer) override;
    void openAddress(const QString& address) override;
    void quit() override { ended = true; }

    // The next dialog's answer: a path (relative to the current folder) or cancel.
    void answer(const QString& path) { answers.enqueue(path); }
    void answerCancel() { answers.enqueue(std::nullopt); }
    // The button the next question box is answered with.
    void answerButton(const QString& text) { buttonAnswers.enqueue(text); }

    QList<Message> messages;
    QList<QString> opened;
    QQueue<std::optional<QString>> answers;
    QQueue<QString> buttonAnswers;
    QList<Message> questions;       // as each question box was shown
    QList<FileDialog> dialogsShown; // as each dialog looked when shown
    int printDialogsShown = 0;
    int unansweredDialogs = 0;
    bool ended = false;

  private:
    std::optional<QString> runDialog(FileDialog& dialog);
};
