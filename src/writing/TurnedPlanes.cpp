#include "TurnedPlanes.h"

#include "NumberFormat.h"
#include "data/Errors.h"
#include "summary/SymmetryCompletion.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumetra::writing {

namespace {

using summary::SymmetryForm;

struct Domain {
    long double From;
    long double To; // inclusive, except for a whole turn
    SymmetryForm Form;
};

Domain TurnedDomain(SymmetryForm form, bool quarter) {
    switch (form) {
    case SymmetryForm::Quadrant:
        return {0, 90, form};
    case SymmetryForm::BilateralC0C180:
        return quarter ? Domain{90, 270, SymmetryForm::BilateralC90C270} : Domain{0, 180, form};
    case SymmetryForm::BilateralC90C270:
        return quarter ? Domain{0, 180, SymmetryForm::BilateralC0C180} : Domain{90, 270, form};
    default:
        return {0, 360, SymmetryForm::None};
    }
}

bool Inside(long double angle, const Domain& domain) {
    if (domain.Form == SymmetryForm::None)
        return angle >= 0 && angle < 360;
    return angle >= domain.From && angle <= domain.To;
}

struct Plane {
    long double Angle;
    std::size_t Source;
};

// The planes of the whole turn, turned and brought into [0, 360), those in the domain ascending.
std::vector<Plane> TurnedPlanes(const tIES& record, int degrees, const Domain& domain) {
    const SymmetryForm form = summary::ClassifySymmetry(record.HorizontalAngles);
    const summary::AngleAxis whole = summary::CompletedPlanes(record.HorizontalAngles, form);
    std::vector<Plane> planes;
    for (std::size_t i = 0; i < whole.Angles.size(); ++i) {
        long double angle = std::fmod(TidyAngle(whole.Angles[i] + degrees), 360.0L);
        angle = TidyAngle(angle < 0 ? angle + 360 : angle);
        if (Inside(angle, domain))
            planes.push_back({angle, whole.Source[i]});
    }
    std::stable_sort(planes.begin(), planes.end(),
                     [](const Plane& a, const Plane& b) { return a.Angle < b.Angle; });
    planes.erase(std::unique(planes.begin(), planes.end(),
                             [](const Plane& a, const Plane& b) { return a.Angle == b.Angle; }),
                 planes.end());
    return planes;
}

bool HasClosingPlane(const tArrEx& angles) {
    return angles.size() > 1 && angles.front() == 0 && angles.back() == 360;
}

} // namespace

tIES TurnedRecord(const tIES& record, int degrees) {
    const SymmetryForm form = summary::ClassifySymmetry(record.HorizontalAngles);
    degrees = ((degrees % 360) + 360) % 360;
    if (degrees == 0 || form == SymmetryForm::Axial || record.HorizontalAngles.empty())
        return record;
    const Domain domain = TurnedDomain(form, degrees % 180 != 0);
    std::vector<Plane> planes = TurnedPlanes(record, degrees, domain);
    if (HasClosingPlane(record.HorizontalAngles) && !planes.empty() && planes.front().Angle == 0)
        planes.push_back({360, planes.front().Source});
    if (planes.size() > 65535)
        throw LumetraError("The turned planes are too many for a photometric file");
    tIES turned = record;
    turned.HorizontalAngles.clear();
    turned.Candela.clear();
    for (const Plane& plane : planes) {
        turned.HorizontalAngles.push_back(plane.Angle);
        turned.Candela.push_back(record.Candela[plane.Source]);
    }
    turned.HorizontalCount = static_cast<std::uint16_t>(planes.size());
    return turned;
}

} // namespace lumetra::writing
