#include "ui/About.h"

#include "ui/Contacts.h"
#include "ui/Forms.h"
#include "ui/Platform.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const Rgb teal{0, 128, 128};
const Rgb purple{128, 0, 128};

// The program's picture: a wall section, masonry with a board of insulation outside.
QPixmap programPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const int wall = size * 11 / 20;
    painter.fillRect(0, 0, wall, size, QColor(178, 34, 34));
    painter.setPen(QColor(230, 220, 200));
    for (int y = 0; y < size; y += size / 6) {
        painter.drawLine(0, y, wall, y);
        const int offset = (y / (size / 6)) % 2 == 0 ? wall / 2 : wall / 4;
        painter.drawLine(offset, y, offset, y + size / 6);
    }
    painter.fillRect(wall, 0, size * 7 / 20, size, QColor(250, 250, 235));
    painter.setPen(QColor(0, 128, 128));
    for (int y = size / 10; y < size; y += size / 5)
        painter.drawLine(wall + 2, y, wall + size * 7 / 20 - 2, y + size / 10);
    painter.fillRect(size * 18 / 20, 0, size / 10, size, QColor(160, 160, 160));
    return picture;
}

QLabel* boldLabel() {
    auto* label = new QLabel;
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

ClickableLabel* link(const QString& text, const QString& name) {
    auto* label = new ClickableLabel(text);
    label->setObjectName(name);
    label->setCursor(Qt::PointingHandCursor);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    return label;
}

} // namespace

TAboutBox::TAboutBox(Forms& forms) : forms_(forms) {
    setObjectName(QStringLiteral("TAboutBox"));
    texts_.title(this, QT_TR_NOOP("О программе"));
    // The colours change from the start, whether or not the window is built yet.
    Timer1 = namedTimer(this, QStringLiteral("Timer1"), 1000);
    Timer2 = namedTimer(this, QStringLiteral("Timer2"), 1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
    Timer2Timer(); // the colours of the first phase; its tick starts Timer1
    texts_.retranslate();
}

void TAboutBox::build() {
    setWindowIcon(QIcon(programPicture(32)));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPanel());
    OKButton = texts_.text(new QPushButton(this), QT_TR_NOOP("З а к р ы т ь"));
    OKButton->setObjectName(QStringLiteral("OKButton"));
    texts_.hint(OKButton, QT_TR_NOOP("Закрыть окно"));
    OKButton->setDefault(true);
    OKButton->installEventFilter(this);
    connect(OKButton, &QPushButton::clicked, this, &QWidget::hide);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    showPhase();
    texts_.retranslate();
}

void TAboutBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        texts_.retranslate();
    QWidget::changeEvent(event);
}

QWidget* TAboutBox::buildPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* column = new QVBoxLayout(panel);

    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(programPicture(64));
    top->addWidget(picture, 0, Qt::AlignTop);
    auto* titles = new QVBoxLayout;
    QLabel* title = texts_.text(
        boldLabel(), QT_TR_NOOP("Подбор утеплителя для теплоизоляции многослойных конструкций"));
    title->setObjectName(QStringLiteral("ProductName"));
    title->setWordWrap(true);
    titles->addWidget(title);
    QLabel* dealer = texts_.text(boldLabel(), QT_TR_NOOP("ЧП \"ВЕРАСК\""));
    dealer->setObjectName(QStringLiteral("Dealer"));
    titles->addWidget(dealer);
    top->addLayout(titles, 1);
    column->addLayout(top);

    column->addWidget(buildDetails());
    auto* firstNotice = new QLabel(QStringLiteral("   "), panel);
    firstNotice->setObjectName(QStringLiteral("Comments"));
    column->addWidget(firstNotice);
    thankYouLine =
        texts_.text(boldLabel(), QT_TR_NOOP("С п а с и б о    з а    В а ш е    в р е м я"));
    thankYouLine->setObjectName(QStringLiteral("ThankYouLine"));
    thankYouLine->setAlignment(Qt::AlignCenter);
    column->addWidget(thankYouLine);
    column->addWidget(buildLinks());
    return panel;
}

QWidget* TAboutBox::buildDetails() {
    auto* details = new QWidget(this);
    auto* grid = new QGridLayout(details);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->addWidget(texts_.text(new QLabel, QT_TR_NOOP("Автор:")), 0, 0);
    grid->addWidget(texts_.text(new QLabel, QT_TR_NOOP("Версия:")), 1, 0);
    grid->addWidget(texts_.text(new QLabel, QT_TR_NOOP("Дата:")), 2, 0);
    QLabel* author = texts_.text(new QLabel, Contacts::authorName);
    auto* version = new QLabel(QStringLiteral("V 5.1"));
    QLabel* date = texts_.text(new QLabel, QT_TR_NOOP("2012 г. "));
    int row = 0;
    for (const auto& [value, name] :
         {std::pair{author, QStringLiteral("Author")},
          std::pair{version, QStringLiteral("Version")}, std::pair{date, QStringLiteral("Date")}}) {
        value->setObjectName(name);
        grid->addWidget(value, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    return details;
}

QWidget* TAboutBox::buildLinks() {
    auto* links = new QWidget(this);
    auto* grid = new QGridLayout(links);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* notice = new QLabel(QStringLiteral("   "));
    notice->setObjectName(QStringLiteral("EmailNotice"));
    emailLink = link(Contacts::authorEmail, QStringLiteral("EmailLink"));
    texts_.hint(emailLink, QT_TR_NOOP("ОТПРАВИТЬ ПИСЬМО"));
    siteLink = link(Contacts::authorSite, QStringLiteral("SiteLink"));
    texts_.hint(siteLink, QT_TR_NOOP("Открыть"));
    connect(emailLink, &ClickableLabel::clicked, this, [this] {
        forms_.platform.openAddress(QStringLiteral("mailto:") + Contacts::authorEmail);
    });
    connect(siteLink, &ClickableLabel::clicked, this,
            [this] { forms_.platform.openAddress(Contacts::authorSite); });
    grid->addWidget(notice, 0, 0);
    grid->addWidget(emailLink, 0, 1);
    grid->addWidget(siteLink, 1, 1);
    grid->setColumnStretch(2, 1);
    return links;
}

void TAboutBox::Timer1Timer() {
    Timer1->stop();
    lineInPurple_ = true;
    showPhase();
    Timer2->start();
}

void TAboutBox::Timer2Timer() {
    Timer2->stop();
    lineInPurple_ = false;
    showPhase();
    Timer1->start();
}

// The thank-you line in one colour and the links in the other.
void TAboutBox::showPhase() {
    if (!isBuilt())
        return;
    setTextColor(thankYouLine, lineInPurple_ ? purple : teal);
    setTextColor(emailLink, lineInPurple_ ? teal : purple);
    setTextColor(siteLink, lineInPurple_ ? teal : purple);
}

// Once the mouse has been over the close button the thank-you line stays on grey.
void TAboutBox::OKButtonHover() {
    QPalette palette = thankYouLine->palette();
    palette.setColor(QPalette::Window, QColor(212, 212, 212));
    thankYouLine->setPalette(palette);
    thankYouLine->setAutoFillBackground(true);
    setTextColor(thankYouLine, Rgb{128, 128, 128});
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == OKButton &&
        (event->type() == QEvent::Enter || event->type() == QEvent::HoverMove))
        OKButtonHover();
    return QWidget::eventFilter(watched, event);
}

// The close button is the default button: Enter closes, and so does Escape.
void TAboutBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        OKButton->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
