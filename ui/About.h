#pragma once
// The About window: what the program is, its version, dealer and author.

#include "ui/LazyWindow.h"
#include "ui/ShownTexts.h"

#include <QWidget>

class ClickableLabel;
class QLabel;
class QPushButton;
class QTimer;
struct Forms;

class TAboutBox : public LazyWindow {
    Q_OBJECT
  public:
    explicit TAboutBox(Forms& forms);

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* buildPanel();
    QWidget* buildDetails();
    QWidget* buildLinks();
    void Timer1Timer();
    void Timer2Timer();
    void showPhase();
    void OKButtonHover();

    Forms& forms_;
    ShownTexts texts_{"TAboutBox"};
    QLabel* thankYouLine = nullptr;
    ClickableLabel* emailLink = nullptr;
    ClickableLabel* siteLink = nullptr;
    QPushButton* OKButton = nullptr; // "З а к р ы т ь"
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    bool lineInPurple_ = false; // the phase of the colours
};
