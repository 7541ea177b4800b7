#pragma once
// The application's controller above the windows: it answers the main window's File menu
// (projects, recovery, reports, printing) over the one calculation of the registry.

#include "ui/SessionCommands.h"

struct Forms;

class CalculationSession : public SessionCommands {
  public:
    explicit CalculationSession(Forms& forms);

    void openProjectFromDialog() override;
    void openProject(const QString& path) override;
    void saveProject() override;
    bool lastSessionOffered() const override;
    void restoreLastSession() override;
    void saveReport(FileDialog& dialog) override;
    void exportPdf() override;
    void printReport() override;
    void keepOnClosing() override;

  private:
    Forms& forms_;
    FileDialog openProjectDialog_;
    FileDialog saveProjectDialog_;
    FileDialog pdfDialog_;
};
