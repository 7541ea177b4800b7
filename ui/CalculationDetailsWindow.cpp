#include "ui/CalculationDetailsWindow.h"

#include "ui/Widgets.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* detailField(const QString& name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setMinimumWidth(360);
    return field;
}

} // namespace

CalculationDetailsWindow::CalculationDetailsWindow(Forms&) {
    setObjectName(QStringLiteral("CalculationDetailsWindow"));
    texts_.title(this, QT_TR_NOOP("Сведения о расчете"));
    ObjectTitle = detailField(QStringLiteral("ObjectTitle"));
    Client = detailField(QStringLiteral("Client"));
    Author = detailField(QStringLiteral("Author"));

    auto* form = new QFormLayout;
    for (const auto& [caption, field] :
         {std::pair{QT_TR_NOOP("&Объект"), ObjectTitle}, std::pair{QT_TR_NOOP("&Заказчик"), Client},
          std::pair{QT_TR_NOOP("&Исполнитель"), Author}}) {
        QLabel* label = texts_.text(new QLabel, caption);
        label->setBuddy(field);
        form->addRow(label, field);
    }
    QLabel* hint = texts_.text(new QLabel, QT_TR_NOOP("Заполненные сведения печатаются в заголовке "
                                                      "отчета PDF и сохраняются в проекте."));
    hint->setWordWrap(true);
    auto* close =
        texts_.text(namedButton(QString(), QStringLiteral("CloseButton")), QT_TR_NOOP("Закрыть"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    texts_.retranslate();
}

void CalculationDetailsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        texts_.retranslate(); // the fields hold what the user typed
    QWidget::changeEvent(event);
}

Project::DetailsInputs CalculationDetailsWindow::inputs() const {
    return {ObjectTitle->text(), Client->text(), Author->text()};
}

void CalculationDetailsWindow::setInputs(const Project::DetailsInputs& in) {
    ObjectTitle->setText(in.objectTitle);
    Client->setText(in.client);
    Author->setText(in.author);
}
