#pragma once
// The user constructions window: the user's own list of materials.

#include "ui/LazyWindow.h"
#include "ui/Platform.h"
#include "ui/ShownTexts.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QTextEdit;
struct Forms;
struct UserConstructionList;

// The file dialog of a user constructions file set, as every window that opens one shows it.
FileDialog userConstructionsDialog();

class TForm8 : public LazyWindow {
    Q_OBJECT
  public:
    explicit TForm8(Forms& forms);

    // The layer window's "Редактировать пользовательский список": opens this
    // window with its open and append buttons shown.
    void openForEditing();

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    void retranslateUi();
    QWidget* buildColumn(QTextEdit*& column, QLabel*& count, int number, const char* heading);
    void openSet();
    void appendToSet();
    void overwriteSet();
    void showList(const UserConstructionList& list);
    void clearColumns();
    void updateCounts();
    QString columnText(const QTextEdit* column) const;

    Forms& forms_;
    ShownTexts texts_{"TForm8"};
    QTextEdit* RichEdit1 = nullptr; // names
    QTextEdit* RichEdit2 = nullptr; // Ld values
    QTextEdit* RichEdit3 = nullptr; // S values
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* SpeedButton1 = nullptr; // "Открыть"
    QPushButton* Button1 = nullptr;      // "Добавить в файл"
    QPushButton* SpeedButton2 = nullptr; // "Перезаписать?"
    QPushButton* Button2 = nullptr;      // "Возврат"
    FileDialog openDialog_;
    FileDialog saveDialog_;
};
