#pragma once
// The text window: views, edits and saves a text file or the calculation report.

#include "ui/Platform.h"

#include <QWidget>

struct Forms;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(Forms& forms);

    // After the report has been written: load it, hide the save button, open the window.
    void showReport(const QString& path);

    // The main window's text buttons, each with the main window's dialog.
    void openFromDialog(FileDialog& dialog);
    void saveWithDialog(FileDialog& dialog);

private:
    Forms& forms_;
};
