#include "ui/CalculationDetailsWindow.h"

#include "ui/Widgets.h"

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
    setWindowTitle(QStringLiteral("Сведения о расчете"));
    ObjectTitle = detailField(QStringLiteral("ObjectTitle"));
    Client = detailField(QStringLiteral("Client"));
    Author = detailField(QStringLiteral("Author"));

    auto* form = new QFormLayout;
    for (const auto& [caption, field] : {std::pair{QStringLiteral("&Объект"), ObjectTitle},
                                         std::pair{QStringLiteral("&Заказчик"), Client},
                                         std::pair{QStringLiteral("&Исполнитель"), Author}}) {
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        form->addRow(label, field);
    }
    auto* hint = new QLabel(QStringLiteral("Заполненные сведения печатаются в заголовке отчета "
                                           "PDF и сохраняются в проекте."));
    hint->setWordWrap(true);
    auto* close = namedButton(QStringLiteral("Закрыть"), QStringLiteral("CloseButton"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(buttons);
}

Project::DetailsInputs CalculationDetailsWindow::inputs() const {
    return {ObjectTitle->text(), Client->text(), Author->text()};
}

void CalculationDetailsWindow::setInputs(const Project::DetailsInputs& in) {
    ObjectTitle->setText(in.objectTitle);
    Client->setText(in.client);
    Author->setText(in.author);
}
