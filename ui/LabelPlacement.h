#pragma once
// Free room for the texts of a drawing: what is drawn already, as rectangles and
// line segments, and the first of several candidate places that touches none of it.

#include <QLineF>
#include <QList>
#include <QRectF>

#include <optional>

// Whether the segment touches the rectangle (its border included).
bool segmentTouches(const QLineF& segment, const QRectF& box);

class LabelPlacement {
  public:
    // A place for a text, with the leader line that ties it to what it names (or none).
    struct Candidate {
        QRectF box;
        QLineF leader;
    };

    void block(const QRectF& box) { boxes_.append(box); }
    void block(const QLineF& segment) { segments_.append(segment); }

    // The box keeps clear of every blocked box and segment; the leader crosses no box.
    bool isFree(const Candidate& candidate) const;

    // The first free candidate, blocked from then on; nothing when none is free.
    std::optional<Candidate> take(const QList<Candidate>& candidates);

  private:
    QList<QRectF> boxes_;
    QList<QLineF> segments_;
};
