#include "Diagram.h"

#include "CartesianDiagram.h"
#include "CurveClip.h"
#include "DiagramTexts.h"
#include "Frame.h"
#include "IsocandelaDiagram.h"
#include "PolarDiagram.h"
#include "SolidDiagram.h"
#include "gonio/CanvasLock.h"

#include <cmath>

namespace lumetra::diagrams {

namespace {

std::string AngleFigure(const summary::Figure& angle, Wording wording) {
    return angle ? AngleNumber(std::round(static_cast<double>(*angle) * 10) / 10) + texts::kDegree
                 : texts::Words(wording, texts::kNotAvailable);
}

std::string BeamAndField(const summary::PhotometricSummary& s, std::size_t line, Wording wording) {
    std::string text = texts::Words(wording, texts::kBeamField);
    return FillPlaceholders(
        text, {AngleFigure(s.BeamAngle[line], wording), AngleFigure(s.FieldAngle[line], wording)});
}

std::vector<PlaneChoice> PlanesOf(const DiagramData& data, const DiagramRequest& request) {
    return request.planes.empty() ? data.DefaultPlanes() : request.planes;
}

DiagramOptions OptionsOf(const DiagramData& data, const DiagramRequest& request,
                         const std::vector<Series>& series) {
    DiagramOptions options;
    options.unit = DiagramData::UnitName(UsableUnit(data, request.unit));
    options.logarithmic = request.logarithmic;
    options.half = request.litHalfOnly ? LitHalf(series) : HalfSpace::Both;
    options.angleStep = request.angleStep;
    options.textScale = request.textScale;
    options.caption = request.caption;
    options.wording = request.wording;
    options.angleAxis =
        texts::Words(request.wording, data.TypeC() ? texts::kGammaAxis : texts::kAcrossBeamAxis);
    const double peak = LargestValue(series, -360, 360);
    if (peak > 0)
        options.levels = {{peak / 2, texts::Words(request.wording, texts::kBeamLevel)},
                          {peak / 10, texts::Words(request.wording, texts::kFieldLevel)}};
    return options;
}

void DrawNoData(DrawingSurface& surface, const Box& picture, const DiagramOptions& options) {
    LabelPlacer labels(surface, picture);
    const Frame frame = DrawFrame(surface, labels, picture, {}, options);
    labels.Place(
        FittedText(surface, texts::Words(options.wording, texts::kNoData), frame.drawing.width),
        frame.drawing.left + frame.drawing.width / 2, frame.drawing.top + frame.drawing.height / 2,
        HAlign::Centre, VAlign::Middle);
}

void DrawIsocandela(DrawingSurface& surface, const Box& picture, const DiagramData& data,
                    const DiagramRequest& request, const DiagramOptions& options) {
    const Wording w = options.wording;
    const IsocandelaAxes axes = data.TypeC()
                                    ? IsocandelaAxes{texts::Words(w, texts::kPlaneAxisC),
                                                     texts::Words(w, texts::kVerticalAxisC)}
                                    : IsocandelaAxes{texts::Words(w, texts::kPlaneAxisAB),
                                                     texts::Words(w, texts::kVerticalAxisAB)};
    const IntensityMap map = SampleIntensity(data, UsableUnit(data, request.unit));
    DrawIsocandelaDiagram(surface, picture, map, axes, options);
}

void DrawSolid(DrawingSurface& surface, const Box& picture, const DiagramData& data,
               const DiagramRequest& request, const DiagramOptions& options,
               const SolidMesh* solid) {
    const SolidView view{request.azimuth, request.elevation, request.zoom};
    if (solid) {
        DrawSolidDiagram(surface, picture, *solid, view, options);
        return;
    }
    DrawSolidDiagram(surface, picture, BuildSolid(data, UsableUnit(data, request.unit)), view,
                     options);
}

// What the caption calls the picture: the isocandela chart names its projection.
std::string CaptionTitle(const DiagramData& data, DiagramKind kind, Wording wording) {
    if (kind != DiagramKind::Isocandela)
        return texts::Words(wording, KindTitle(kind));
    return texts::Words(wording, data.TypeC() ? texts::kIsocandelaTypeC : texts::kIsocandelaTypeAB);
}

} // namespace

const char* KindTitle(DiagramKind kind) {
    switch (kind) {
    case DiagramKind::Polar:
        return texts::kPolar;
    case DiagramKind::Cartesian:
        return texts::kCartesian;
    case DiagramKind::Isocandela:
        return texts::kIsocandela;
    case DiagramKind::Solid:
        return texts::kSolid;
    }
    return texts::kPolar;
}

const char* KindKey(DiagramKind kind) {
    switch (kind) {
    case DiagramKind::Polar:
        return "polar";
    case DiagramKind::Cartesian:
        return "cartesian";
    case DiagramKind::Isocandela:
        return "isocandela";
    case DiagramKind::Solid:
        return "solid";
    }
    return "polar";
}

IntensityUnit UsableUnit(const DiagramData& data, IntensityUnit wanted) {
    return data.PerKilolumenAvailable() ? wanted : IntensityUnit::Candela;
}

std::vector<Series> RequestSeries(const DiagramData& data, const DiagramRequest& request) {
    const std::vector<PlaneChoice> planes = PlanesOf(data, request);
    const std::vector<PlaneChoice> defaults = data.DefaultPlanes();
    std::vector<Series> series;
    for (std::size_t i = 0; i < planes.size(); ++i) {
        Series one = data.PlaneSeries(planes[i], UsableUnit(data, request.unit));
        one.color = SeriesColor(i);
        one.dash = SeriesDash(i);
        for (std::size_t line = 0; line < defaults.size(); ++line)
            if (planes[i] == defaults[line])
                one.label += " (" + BeamAndField(data.Summary(), line, request.wording) + ")";
        series.push_back(std::move(one));
    }
    return series;
}

std::string DiagramCaption(const std::string& fileName, const DiagramData& data,
                           const DiagramRequest& request) {
    std::string caption = fileName + " \u2013 " + CaptionTitle(data, request.kind, request.wording);
    if (request.kind == DiagramKind::Polar || request.kind == DiagramKind::Cartesian)
        for (const PlaneChoice& plane : PlanesOf(data, request))
            caption += ", " + data.PlaneLabel(plane);
    return caption + ", " + DiagramData::UnitName(UsableUnit(data, request.unit));
}

void DrawDiagram(DrawingSurface& surface, const Box& picture, const DiagramData& data,
                 const DiagramRequest& request, const SolidMesh* solid) {
    CanvasLock lock(surface);
    const std::vector<Series> series = RequestSeries(data, request);
    const DiagramOptions options = OptionsOf(data, request, series);
    if (!data.HasData()) {
        DrawNoData(surface, picture, options);
        return;
    }
    switch (request.kind) {
    case DiagramKind::Cartesian:
        DrawCartesianDiagram(surface, picture, series, options);
        return;
    case DiagramKind::Isocandela:
        DrawIsocandela(surface, picture, data, request, options);
        return;
    case DiagramKind::Solid:
        DrawSolid(surface, picture, data, request, options, solid);
        return;
    default:
        DrawPolarDiagram(surface, picture, series, options);
        return;
    }
}

} // namespace lumetra::diagrams
