#pragma once
// The contacts window: the dealer's offices and their pages.

#include "ui/LazyWindow.h"
#include "ui/ShownTexts.h"

#include <QWidget>

#include <array>

class ClickableLabel;
class QTimer;
struct Forms;

class TForm10 : public LazyWindow {
    Q_OBJECT
  public:
    explicit TForm10(Forms& forms);

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    void retranslateUi();
    void openOffice(int office);
    void Timer1Timer();
    void Timer2Timer();
    // Links 1, 3 and 5 teal and links 2 and 4 navy, or the other way round.
    void colourLinks(bool oddTeal);

    Forms& forms_;
    ShownTexts texts_{"TForm10"};
    ShownTexts contacts_{"Contacts"};       // the offices' captions and addresses
    std::array<ClickableLabel*, 5> links{}; // Link1 .. Link5
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    bool oddTeal_ = false; // the phase of the links' colours
};
