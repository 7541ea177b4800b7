#pragma once
// The vapour pressures of one month across the section: p_sat and the tightened p at every
// interface, the condensation planes marked, against the thickness or against s_d.

#include "core/MoistureCheck.h"

#include <QByteArray>
#include <QFont>
#include <QWidget>

class QPainter;

namespace MoistureDiagram {

struct Picture {
    QList<double> thickness;                          // mm of every layer from the room side
    QList<std::optional<double>> equivalentThickness; // s_d, m; none for a tight layer
    QList<int> numbers;                               // the layers' rows
    Moisture::Profile profile;
    QString month;
    bool againstEquivalentThickness = false;
};

// The picture of one month (0 = January) of a check that has a balance.
Picture pictureOf(const MoistureCheck::Evaluation& e, int month, bool againstEquivalentThickness);

void paint(QPainter& painter, const QRectF& area, const Picture& picture);
QByteArray png(const Picture& picture, const QFont& font);
QByteArray svg(const Picture& picture, const QFont& font, const QString& title);

} // namespace MoistureDiagram

class MoistureDiagramView : public QWidget {
    Q_OBJECT
  public:
    MoistureDiagramView();
    void setPicture(std::optional<MoistureDiagram::Picture> picture);
    const std::optional<MoistureDiagram::Picture>& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<MoistureDiagram::Picture> picture_;
};
