#pragma once
// What the main window's File menu asks of the session that owns the calculation: the
// projects, the recovery, the reports and printing. The session answers; the window only
// offers the items and reports a failure as every slot does.

#include "ui/Platform.h"

#include <QString>

class SessionCommands {
  public:
    virtual ~SessionCommands() = default;

    // "Открыть проект...": the file dialog, then the project.
    virtual void openProjectFromDialog() = 0;
    // From the menu or the command line; a bad file changes nothing.
    virtual void openProject(const QString& path) = 0;
    // "Сохранить проект...".
    virtual void saveProject() = 0;
    // "Восстановить последний расчет": enabled while there is one, or no place for one.
    virtual bool lastSessionOffered() const = 0;
    virtual void restoreLastSession() = 0;
    // "Сохранить расчет ": the plain-text report through the window's own save dialog.
    virtual void saveReport(FileDialog& dialog) = 0;
    // "Отчет PDF..." and "Печать...".
    virtual void exportPdf() = 0;
    virtual void printReport() = 0;
    // The window closes: the calculation is kept for the next run.
    virtual void keepOnClosing() = 0;
};
