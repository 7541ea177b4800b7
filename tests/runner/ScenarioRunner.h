#pragma once
// Runs one scenario script against the real program with the scripted platform.

#include "Script.h"

#include <QDir>
#include <QString>
#include <memory>
#include <stdexcept>

class FocusFallback;
class Program;
class ScriptedPlatform;
class QObject;
class QWidget;

// A line whose expectation was not met or whose action could not be done.
struct StepFailure : std::runtime_error {
    explicit StepFailure(const QString& message)
        : std::runtime_error(message.toStdString()), message(message) {}
    QString message;
};

class ScenarioRunner {
  public:
    // Folder for relative screenshot paths: the one the runner was started from.
    explicit ScenarioRunner(QDir startFolder);
    ~ScenarioRunner();

    // Empty when the scenario passed, else "LINE: what was expected, what was found".
    QString run(const Script& script);

  private:
    void execute(const Command& command);
    void checkNothingLeftUnexpected();
    void checkDialogsAnswered();

    QWidget* window(const QString& className) const;
    QWidget* visibleWindow(const QString& className) const;
    QObject* control(const QString& windowName, const QString& controlName) const;
    QWidget* usableWidget(const QString& windowName, const QString& controlName) const;

    QWidget* focusAsClick(QWidget* widget) const;
    void click(const Command& command);
    void typeText(const Command& command, bool replaceAll);
    void clearText(const Command& command);
    void choose(const Command& command);
    void hover(const Command& command);
    void switchLanguage(const QString& code);
    void expectText(const Command& command);
    void expectMessage(const Command& command);
    void expectOpened(const Command& command);
    void expectFileLines(const Command& command);
    void expectFileBytes(const Command& command);
    void expectPdfText(const Command& command);
    // The text stands whole on one line of the PDF's text: no word of it broken or left alone.
    void expectPdfOnOneLine(const Command& command);
    void expectQuestion(const Command& command);
    void expectPdfFontsEmbedded(const Command& command);
    void expectVisibility(const Command& command, bool visible);
    void expectEnabled(const Command& command, bool enabled);

    QString expandDir(const QString& text) const;
    QString expandDirInMessage(const QString& text) const;
    bool matches(const QString& pattern, const QString& found) const;

    QDir startFolder_;
    QString folder_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Program> program_;
    int expectedMessages_ = 0;
    int expectedOpened_ = 0;
    int answeredDialogs_ = 0;
    QWidget* hovered_ = nullptr;
    std::unique_ptr<FocusFallback> focusFallback_;
};
