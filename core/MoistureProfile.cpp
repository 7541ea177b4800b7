#include "core/MoistureProfile.h"

#include "core/Errors.h"
#include "core/TemperatureProfile.h"

namespace Moisture {

namespace {

// A point of the vapour-pressure line: an interface and its pressure.
struct Vertex {
    qsizetype interface = 0;
    double pressure = 0;
    bool plane = false;
};

// The interfaces joined by vapour-open layers, bounded by the surfaces or by tight layers.
struct Part {
    qsizetype first = 0;
    qsizetype last = 0;
    bool openBefore = false; // the room air lies before `first`
    bool openAfter = false;  // the outdoor air lies after `last`
};

QList<Part> vapourOpenParts(const QList<Layer>& layers) {
    QList<Part> parts;
    Part part{0, 0, true, false};
    for (qsizetype j = 0; j < layers.size(); ++j) {
        if (*layers[j].permeability == 0) {
            part.last = j;
            parts.append(part);
            part = {j + 1, j + 1, false, false};
        }
    }
    part.last = layers.size();
    part.openAfter = true;
    parts.append(part);
    return parts;
}

class Tightening {
  public:
    Tightening(Profile& profile, const QList<bool>& held) : p_(profile), held_(held) {}

    void solve(const Part& part) {
        QList<Vertex> anchors;
        if (part.openBefore)
            anchors.append({part.first, p_.indoorPressure, false});
        for (qsizetype k = part.first; k <= part.last; ++k)
            if (isHeld(k))
                anchors.append({k, p_.saturation[k], true});
        if (part.openAfter)
            anchors.append({part.last, p_.outdoorPressure, false});
        if (anchors.isEmpty())
            return; // closed on both sides: it exchanges nothing
        QList<Vertex> line;
        if (!part.openBefore)
            line = closedStart(part.first, anchors.first());
        line.append(anchors.first());
        for (qsizetype a = 1; a < anchors.size(); ++a) {
            line.append(lowerHull(anchors[a - 1], anchors[a]));
            line.append(anchors[a]);
        }
        if (!part.openAfter)
            line.append(closedEnd(anchors.last(), part.last));
        fill(line);
    }

  private:
    bool isHeld(qsizetype k) const {
        return k > 0 && k + 1 < p_.saturation.size() && k < held_.size() && held_[k];
    }

    // The interior vertices of the lower convex hull of the saturation points between two
    // fixed points; a point that only touches the straight line is none.
    QList<Vertex> lowerHull(const Vertex& from, const Vertex& to) const {
        QList<Vertex> hull{from};
        auto cross = [this](const Vertex& o, const Vertex& a, double bs, double bp) {
            const double os = p_.position[o.interface];
            return (p_.position[a.interface] - os) * (bp - o.pressure) -
                   (a.pressure - o.pressure) * (bs - os);
        };
        auto push = [&](const Vertex& v) {
            while (hull.size() >= 2 && cross(hull[hull.size() - 2], hull.last(),
                                             p_.position[v.interface], v.pressure) <= 0)
                hull.removeLast();
            hull.append(v);
        };
        for (qsizetype k = from.interface + 1; k < to.interface; ++k)
            push({k, p_.saturation[k], true});
        push(to);
        return hull.mid(1, hull.size() - 2);
    }

    // From a fixed point to a tight face: down the hull to the lowest p_sat below it, flat on.
    QList<Vertex> closedEnd(const Vertex& from, qsizetype face) const {
        qsizetype lowest = -1;
        for (qsizetype k = from.interface + 1; k <= face; ++k)
            if (p_.saturation[k] < from.pressure &&
                (lowest < 0 || p_.saturation[k] < p_.saturation[lowest]))
                lowest = k;
        QList<Vertex> line;
        double flat = from.pressure;
        if (lowest >= 0) {
            const Vertex bottom{lowest, p_.saturation[lowest], true};
            line = lowerHull(from, bottom);
            line.append(bottom);
            flat = bottom.pressure;
        }
        if (line.isEmpty() || line.last().interface != face)
            if (face != from.interface)
                line.append({face, flat, false});
        return line;
    }

    // The mirror of closedEnd: from a tight face flat to the lowest p_sat, then up to `to`.
    QList<Vertex> closedStart(qsizetype face, const Vertex& to) const {
        qsizetype lowest = -1;
        for (qsizetype k = face; k < to.interface; ++k)
            if (p_.saturation[k] < to.pressure &&
                (lowest < 0 || p_.saturation[k] <= p_.saturation[lowest]))
                lowest = k;
        QList<Vertex> line;
        if (lowest < 0) {
            if (face != to.interface)
                line.append({face, to.pressure, false});
            return line;
        }
        const Vertex bottom{lowest, p_.saturation[lowest], true};
        if (lowest != face)
            line.append({face, bottom.pressure, false});
        line.append(bottom);
        line.append(lowerHull(bottom, to));
        return line;
    }

    double flux(const Vertex& a, const Vertex& b) const {
        const double ds = p_.position[b.interface] - p_.position[a.interface];
        return stillAirPermeabilitySI * Arithmetic::divide(a.pressure - b.pressure, ds);
    }

    // The pressures between the vertices, linear in s, and the rates at the planes.
    void fill(const QList<Vertex>& line) {
        for (qsizetype v = 0; v < line.size(); ++v) {
            const Vertex& here = line[v];
            p_.pressure[here.interface] = here.pressure;
            if (here.plane) {
                const double in = v > 0 ? flux(line[v - 1], here) : 0;
                const double out = v + 1 < line.size() ? flux(here, line[v + 1]) : 0;
                p_.plane[here.interface] = true;
                p_.rate[here.interface] = in - out;
            }
            if (v + 1 == line.size())
                break;
            const Vertex& next = line[v + 1];
            const double s0 = p_.position[here.interface];
            const double span = p_.position[next.interface] - s0;
            for (qsizetype k = here.interface + 1; k < next.interface; ++k) {
                const double share = span > 0 ? (p_.position[k] - s0) / span : 0;
                p_.pressure[k] = here.pressure + (next.pressure - here.pressure) * share;
            }
        }
    }

    Profile& p_;
    const QList<bool>& held_;
};

void setTemperatures(Profile& p, const QList<Layer>& layers, const SurfaceResistances& surfaces,
                     const Conditions& c) {
    double total = surfaces.inner + surfaces.outer;
    for (const Layer& layer : layers)
        total += layer.resistance;
    const double difference = c.indoorTemperature - c.outdoorTemperature;
    double resistance = surfaces.inner;
    double position = 0;
    for (qsizetype k = 0; k <= layers.size(); ++k) {
        const double theta = Arithmetic::checked(
            c.indoorTemperature - difference * Arithmetic::divide(resistance, total));
        p.temperature.append(theta);
        p.saturation.append(TemperatureProfile::saturationPressure(theta));
        p.position.append(position);
        if (k < layers.size()) {
            resistance += layers[k].resistance;
            position =
                *layers[k].permeability == 0 ? 0 : position + equivalentAirThickness(layers[k]);
        }
    }
}

} // namespace

double resistanceFactor(double permeability) {
    return Arithmetic::divide(stillAirPermeability, permeability);
}

double equivalentAirThickness(const Layer& layer) {
    return Arithmetic::checked(resistanceFactor(*layer.permeability) * layer.thickness);
}

double vapourPressure(double temperature, double humidity) {
    return humidity / 100 * TemperatureProfile::saturationPressure(temperature);
}

bool Profile::condenses() const {
    for (qsizetype k = 0; k < rate.size(); ++k)
        if (plane[k] && rate[k] > 0)
            return true;
    return false;
}

Profile vapourProfile(const QList<Layer>& fromRoomSide, const SurfaceResistances& surfaces,
                      const Conditions& conditions, const QList<bool>& held) {
    Profile p;
    const qsizetype count = fromRoomSide.size() + 1;
    p.temperature.reserve(count);
    p.saturation.reserve(count);
    p.position.reserve(count);
    setTemperatures(p, fromRoomSide, surfaces, conditions);
    p.pressure.fill(std::nullopt, count);
    p.plane.fill(false, count);
    p.rate.fill(0.0, count);
    p.indoorPressure = vapourPressure(conditions.indoorTemperature, conditions.indoorHumidity);
    p.outdoorPressure = vapourPressure(conditions.outdoorTemperature, conditions.outdoorHumidity);
    Tightening tightening(p, held);
    for (const Part& part : vapourOpenParts(fromRoomSide))
        tightening.solve(part);
    return p;
}

} // namespace Moisture
