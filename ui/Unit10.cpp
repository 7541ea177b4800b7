#include "ui/Unit10.h"

#include "ui/Contacts.h"
#include "ui/Forms.h"
#include "ui/Platform.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const Rgb teal{0, 128, 128};
const Rgb navy{0, 0, 128};

} // namespace

TForm10::TForm10(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TForm10"));
    texts_.title(this, QT_TR_NOOP("Контакты и гиперссылки на сайт"));
    // The links change colours from the start, whether or not the window is built yet.
    Timer1 = namedTimer(this, QStringLiteral("Timer1"), 1000);
    Timer2 = namedTimer(this, QStringLiteral("Timer2"), 1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
    Timer1->start();
    retranslateUi();
}

void TForm10::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
        const Contacts::Office& office = Contacts::offices.at(i);
        auto* link = contacts_.text(new ClickableLabel(this), office.caption);
        link->setObjectName(QStringLiteral("Link%1").arg(i + 1));
        link->setCursor(Qt::PointingHandCursor);
        texts_.hint(link, QT_TR_NOOP("Перейти на сайт"));
        QFont font = link->font();
        font.setBold(true);
        font.setUnderline(true);
        font.setPointSizeF(font.pointSizeF() * 1.15);
        link->setFont(font);
        connect(link, &ClickableLabel::clicked, this, [this, i] { openOffice(i); });
        links[i] = link;

        QLabel* details = contacts_.text(new QLabel(this), office.details);
        details->setObjectName(QStringLiteral("Office%1").arg(i + 1));
        details->setTextInteractionFlags(Qt::TextSelectableByMouse);
        details->setContentsMargins(16, 0, 0, 0);
        if (i > 0)
            layout->addSpacing(8);
        layout->addWidget(link);
        layout->addWidget(details);
    }
    layout->addStretch(1);
    layout->setContentsMargins(16, 12, 16, 14);
    colourLinks(oddTeal_);
    retranslateUi();
}

void TForm10::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void TForm10::retranslateUi() {
    texts_.retranslate();
    contacts_.retranslate();
}

// The page opens in the browser and the window steps aside.
void TForm10::openOffice(int office) {
    forms_.platform.openAddress(Contacts::offices.at(office).page);
    hide();
}

void TForm10::Timer1Timer() {
    Timer1->stop();
    colourLinks(true);
    Timer2->start();
}

void TForm10::Timer2Timer() {
    Timer2->stop();
    colourLinks(false);
    Timer1->start();
}

void TForm10::colourLinks(bool oddTeal) {
    oddTeal_ = oddTeal;
    if (!isBuilt())
        return;
    for (int i = 0; i < 5; ++i) {
        const bool odd = i % 2 == 0; // links 1, 3 and 5
        setTextColor(links[i], odd == oddTeal ? teal : navy);
    }
}
