#pragma once
// Everything that leaves the program or asks the user: message boxes, file
// dialogs, the user's default program, the end of the program.

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;

struct FileFilter {
    QString name;    // "Текстовые (*.txt)"
    QString pattern; // "*.txt"
};

// One file dialog of a window; it keeps the last chosen path for its next use.
struct FileDialog {
    QList<FileFilter> filters;
    QString proposedName;
    QString defaultExtension; // without the dot; added to a name typed without one
    bool overwritePrompt = false;
    QString lastPath;
};

class Platform {
  public:
    explicit Platform(QChar separator) : separator_(separator) {}
    virtual ~Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // The decimal separator of the user's locale.
    QChar separator() const { return separator_; }

    // A plain message box titled with the application title, one OK button.
    virtual void information(const QString& text) = 0;
    // A warning box with its own title and a warning icon.
    virtual void warning(const QString& title, const QString& text) = 0;
    // An error box titled with the application title; the text is shown as given.
    virtual void error(const QString& text) = 0;

    // A question box titled `title` with these buttons, the first the default and the
    // last the one Escape presses; the index of the button pressed.
    virtual int ask(const QString& title, const QString& text, const QStringList& buttons) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> askOpenFile(FileDialog& dialog) = 0;
    virtual std::optional<QString> askSaveFile(FileDialog& dialog) = 0;

    // The print dialog for the printer, whose settings it changes; false when cancelled.
    virtual bool askPrint(QPrinter& printer) = 0;

    // Hands a web or mail address, or a file's absolute path, to the default program.
    virtual void openAddress(const QString& address) = 0;

    // Ends the program.
    virtual void quit() = 0;

  private:
    QChar separator_;
};

inline const QString applicationTitle = QStringLiteral("Vuvuvudozizod");
