#pragma once
// The text window: views, edits and saves a text file or the calculation report.

#include "ui/LazyWindow.h"
#include "ui/Platform.h"
#include "ui/ShownTexts.h"

#include <QWidget>

class QPushButton;
class QTextEdit;
struct Forms;

class TForm1 : public LazyWindow {
    Q_OBJECT
  public:
    explicit TForm1(Forms& forms);

    // After the report has been written: load it, hide the save button, open the window.
    void showReport(const QString& path);

    // The main window's text buttons, each with the main window's dialog.
    void openFromDialog(FileDialog& dialog);
    void saveWithDialog(FileDialog& dialog);

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    void retranslateUi();
    // Replaces the text with the file's content (RTF with its formatting);
    // a file that can't be read leaves the text as it was.
    void load(const QString& path);

    Forms& forms_;
    ShownTexts texts_{"TForm1"};
    QTextEdit* RichEdit1 = nullptr;
    QPushButton* saveButton = nullptr;
    FileDialog saveDialog_;
};
