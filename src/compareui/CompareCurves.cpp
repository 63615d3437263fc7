#include "CompareCurves.h"

#include <algorithm>

namespace lumetra::compare {

std::vector<diagrams::PlaneChoice> PlaneChoices(const Luminaire& first) {
    const diagrams::DiagramData data(first.Record, first.Facts);
    std::vector<diagrams::PlaneChoice> choices = data.DefaultPlanes();
    if (!data.HasData() || !data.TypeC())
        return choices;
    for (const long double c : data.Grid().Planes.Angles) {
        const diagrams::PlaneChoice plane{static_cast<double>(c), false};
        if (c >= 0 && c < 180 && std::find(choices.begin(), choices.end(), plane) == choices.end())
            choices.push_back(plane);
    }
    return choices;
}

std::string PlaneChoiceLabel(const Luminaire& first, const diagrams::PlaneChoice& plane) {
    return diagrams::DiagramData(first.Record, first.Facts).PlaneLabel(plane);
}

std::vector<diagrams::Series> CompareSeries(std::span<const Luminaire> files,
                                            const std::vector<std::string>& names,
                                            const diagrams::PlaneChoice& plane,
                                            IntensityUnit unit) {
    std::vector<diagrams::Series> series;
    for (std::size_t i = 0; i < files.size() && i < names.size(); ++i) {
        const diagrams::DiagramData data(files[i].Record, files[i].Facts);
        const std::optional<long double> factor = UnitFactor(data.Summary(), unit);
        if (!data.HasData() || !factor)
            continue;
        diagrams::Series curve = data.PlaneSeries(plane, diagrams::IntensityUnit::Candela);
        for (diagrams::CurvePoint& point : curve.points)
            point.value *= static_cast<double>(*factor);
        curve.label = names[i];
        curve.color = diagrams::SeriesColor(i);
        curve.dash = diagrams::SeriesDash(i);
        series.push_back(std::move(curve));
    }
    return series;
}

} // namespace lumetra::compare
