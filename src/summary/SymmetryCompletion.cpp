#include "SymmetryCompletion.h"

#include "data/Translatable.h"

#include <algorithm>
#include <cmath>

namespace lumetra::summary {

namespace {

// Steps are written with a few decimals (7.5, 22.5, 2.4): allow for their binary rounding.
bool NearlyEqual(long double a, long double b) {
    return std::fabs(a - b) <= 1e-9L * std::max(1.0L, std::fabs(b));
}

bool EndsTheTurn(const tArrEx& h) {
    const long double last = h.back();
    if (last == 360)
        return true;
    return h.size() >= 2 && NearlyEqual(last + (last - h[h.size() - 2]), 360);
}

// The mirror images of one stored angle for the form.
tArrEx MirrorImages(long double a, SymmetryForm form) {
    switch (form) {
    case SymmetryForm::Quadrant:
        return {180 - a, 180 + a, 360 - a};
    case SymmetryForm::BilateralC0C180:
        return {360 - a};
    case SymmetryForm::BilateralC90C270: {
        const long double image = std::fmod(180 - a, 360.0L);
        return {image < 0 ? image + 360 : image};
    }
    default:
        return {};
    }
}

struct Candidate {
    long double Angle;
    std::size_t Source;
    bool Stored;
};

} // namespace

SymmetryForm ClassifySymmetry(const tArrEx& h) {
    if (h.size() == 1)
        return SymmetryForm::Axial;
    if (h.empty())
        return SymmetryForm::Irregular;
    if (h.front() == 0 && h.back() == 90)
        return SymmetryForm::Quadrant;
    if (h.front() == 0 && h.back() == 180)
        return SymmetryForm::BilateralC0C180;
    if (h.front() == 90 && h.back() == 270)
        return SymmetryForm::BilateralC90C270;
    return EndsTheTurn(h) ? SymmetryForm::None : SymmetryForm::Irregular;
}

std::string SymmetryName(SymmetryForm form) {
    switch (form) {
    case SymmetryForm::Axial:
        return LUMETRA_TR_NOOP("Symmetry", "axial");
    case SymmetryForm::Quadrant:
        return LUMETRA_TR_NOOP("Symmetry", "quadrant");
    case SymmetryForm::BilateralC0C180:
        return LUMETRA_TR_NOOP("Symmetry", "bilateral C0-C180");
    case SymmetryForm::BilateralC90C270:
        return LUMETRA_TR_NOOP("Symmetry", "bilateral C90-C270");
    case SymmetryForm::None:
        return LUMETRA_TR_NOOP("Symmetry", "none");
    case SymmetryForm::Irregular:
        break;
    }
    return LUMETRA_TR_NOOP("Symmetry", "irregular");
}

AngleAxis CompletedPlanes(const tArrEx& h, SymmetryForm form) {
    if (h.empty())
        return {};
    const long double origin = h.front();
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < h.size(); ++i)
        candidates.push_back({IntoTurn(h[i], origin), i, true});
    for (std::size_t i = 0; i < h.size(); ++i)
        for (const long double image : MirrorImages(h[i], form))
            candidates.push_back({IntoTurn(image, origin), i, false});
    // Stable: at equal angles the stored plane comes first, so its mirror duplicates are dropped.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.Angle < b.Angle; });
    AngleAxis planes;
    for (const Candidate& c : candidates) {
        if (!c.Stored && !planes.Angles.empty() && planes.Angles.back() == c.Angle)
            continue;
        planes.Angles.push_back(c.Angle);
        planes.Source.push_back(c.Source);
    }
    return planes;
}

AngleAxis MirroredAtZero(const AngleAxis& axis) {
    if (axis.Angles.empty() || axis.Angles.front() != 0)
        return axis;
    AngleAxis mirrored;
    for (std::size_t i = axis.Angles.size(); i-- > 1;) {
        mirrored.Angles.push_back(-axis.Angles[i]);
        mirrored.Source.push_back(axis.Source[i]);
    }
    mirrored.Angles.insert(mirrored.Angles.end(), axis.Angles.begin(), axis.Angles.end());
    mirrored.Source.insert(mirrored.Source.end(), axis.Source.begin(), axis.Source.end());
    return mirrored;
}

} // namespace lumetra::summary
