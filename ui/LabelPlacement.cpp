#include "ui/LabelPlacement.h"

#include <algorithm>

namespace {

// Room kept between a text and what is drawn already, in pixels: lines are up to two wide.
constexpr double clearance = 1.5;

} // namespace

bool segmentTouches(const QLineF& segment, const QRectF& box) {
    // Liang-Barsky: clip the segment's parameter range against the four sides.
    const double p[4] = {-segment.dx(), segment.dx(), -segment.dy(), segment.dy()};
    const double q[4] = {segment.x1() - box.left(), box.right() - segment.x1(),
                         segment.y1() - box.top(), box.bottom() - segment.y1()};
    double from = 0;
    double to = 1;
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0) {
            if (q[side] < 0)
                return false;
            continue;
        }
        const double t = q[side] / p[side];
        if (p[side] < 0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
        if (from > to)
            return false;
    }
    return true;
}

bool LabelPlacement::isFree(const Candidate& candidate) const {
    const QRectF padded = candidate.box.adjusted(-clearance, -clearance, clearance, clearance);
    const bool hasLeader = !candidate.leader.isNull();
    for (const QRectF& box : boxes_)
        if (padded.intersects(box) || (hasLeader && segmentTouches(candidate.leader, box)))
            return false;
    return std::none_of(segments_.begin(), segments_.end(),
                        [&](const QLineF& segment) { return segmentTouches(segment, padded); });
}

std::optional<LabelPlacement::Candidate> LabelPlacement::take(const QList<Candidate>& candidates) {
    for (const Candidate& candidate : candidates)
        if (isFree(candidate)) {
            block(candidate.box);
            if (!candidate.leader.isNull())
                block(candidate.leader);
            return candidate;
        }
    return std::nullopt;
}
