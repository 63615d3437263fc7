#include "EulumdatPlanes.h"

#include "NumberFormat.h"
#include "eulumdat/StoredPlanes.h"
#include "summary/SymmetryCompletion.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumetra::writing {

namespace {

using summary::SymmetryForm;

bool NearlyEqual(long double a, long double b) {
    return std::fabs(a - b) <= 1e-9L * std::max(1.0L, std::fabs(b));
}

// Record planes ordered by horizontal angle (stably), ascending or descending.
std::vector<std::size_t> ByAngle(const tArrEx& h, bool descending) {
    std::vector<std::size_t> order(h.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&h, descending](std::size_t a, std::size_t b) {
        return descending ? h[a] > h[b] : h[a] < h[b];
    });
    return order;
}

// The angles with their images, brought into [0, 360), ascending and each once.
tArrEx Circle(const tArrEx& h, long double (*image)(long double)) {
    tArrEx c;
    for (const long double a : h) {
        c.push_back(CAngleOf(a));
        c.push_back(CAngleOf(TidyAngle(image(a))));
    }
    std::sort(c.begin(), c.end());
    c.erase(std::unique(c.begin(), c.end()), c.end());
    return c;
}

bool SymmetricAbout180(const tArrEx& h) {
    tArrEx sorted = h;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (!NearlyEqual(sorted[i] + sorted[sorted.size() - 1 - i], 360))
            return false;
    return true;
}

bool SamePlane(const tIES& record, std::size_t a, std::size_t b) {
    return record.Candela[a] == record.Candela[b];
}

// Isym 0: the whole turn as the symmetry completes it, each C-angle once modulo 360.
EulumdatPlanes WholeTurn(const tIES& record) {
    const tArrEx& h = record.HorizontalAngles;
    const auto whole = summary::CompletedPlanes(h, summary::ClassifySymmetry(h));
    std::vector<std::pair<long double, std::size_t>> planes;
    for (std::size_t i = 0; i < whole.Angles.size(); ++i)
        planes.emplace_back(CompletedCAngle(h, whole, i), whole.Source[i]);
    std::stable_sort(planes.begin(), planes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    EulumdatPlanes result;
    for (const auto& [angle, source] : planes) {
        if (!result.CAngles.empty() && result.CAngles.back() == angle) {
            result.DroppedC360 =
                result.DroppedC360 || !SamePlane(record, result.Stored.back(), source);
            continue;
        }
        result.CAngles.push_back(angle);
        result.Stored.push_back(source);
    }
    return result;
}

// The listed C-angles of the planes the reader takes as stored, in the file's order, must be the
// planes' own; a set of angles that only looks symmetric (duplicates, angles out of order or
// outside the range) is written as a whole turn instead.
bool ReadsBackAsStored(const EulumdatPlanes& planes, const tIES& record) {
    const std::size_t mc = planes.CAngles.size();
    if (mc == 0 || StoredPlaneCount(planes.Isym, mc) != planes.Stored.size())
        return false;
    const auto indices = StoredPlaneIndices(planes.Isym, mc);
    for (std::size_t k = 0; k < indices.size(); ++k) {
        const long double c = planes.CAngles[indices[k]];
        if (IesHorizontalAngle(planes.Isym, c) != record.HorizontalAngles[planes.Stored[k]])
            return false;
    }
    return true;
}

} // namespace

long double CAngleOf(long double angle) {
    if (angle >= 0 && angle < 360)
        return angle;
    long double c = std::fmod(angle, 360.0L);
    c = TidyAngle(c < 0 ? c + 360 : c);
    return c >= 360 ? 0 : c;
}

long double CompletedCAngle(const tArrEx& horizontalAngles, const summary::AngleAxis& completed,
                            std::size_t i) {
    const long double stored = horizontalAngles[completed.Source[i]];
    const bool isStored =
        summary::IntoTurn(stored, horizontalAngles.front()) == completed.Angles[i];
    return CAngleOf(isStored ? stored : completed.Angles[i]);
}

long double CommonStep(const tArrEx& angles) {
    if (angles.size() < 2)
        return 0;
    const long double step = angles[1] - angles[0];
    for (std::size_t i = 2; i < angles.size(); ++i)
        if (!NearlyEqual(angles[i] - angles[i - 1], step))
            return 0;
    return TidyAngle(step);
}

EulumdatPlanes EulumdatPlanesOf(const tIES& record) {
    const tArrEx& h = record.HorizontalAngles;
    const SymmetryForm form = summary::ClassifySymmetry(h);
    EulumdatPlanes planes;
    if (form == SymmetryForm::Axial) {
        planes.Isym = 1;
        planes.CAngles = {CAngleOf(h.front())};
        planes.Stored = {0};
    } else if (form == SymmetryForm::Quadrant) {
        planes.Isym = 4;
        planes.CAngles = Circle(Circle(h, [](long double a) { return 180 - a; }),
                                [](long double a) { return 360 - a; });
        planes.Stored = ByAngle(h, false);
    } else if (form == SymmetryForm::BilateralC0C180) {
        planes.Isym = 2;
        planes.CAngles = Circle(h, [](long double a) { return 360 - a; });
        planes.Stored = ByAngle(h, false);
    } else if (form == SymmetryForm::BilateralC90C270 && SymmetricAbout180(h)) {
        planes.Isym = 3;
        planes.CAngles = Circle(h, [](long double a) { return 180 - a; });
        planes.Stored = ByAngle(h, true);
    } else {
        planes.Isym = 0;
    }
    if (planes.Isym == 0 || !ReadsBackAsStored(planes, record))
        planes = WholeTurn(record);
    return planes;
}

} // namespace lumetra::writing
