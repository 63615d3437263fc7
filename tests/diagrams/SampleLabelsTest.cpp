// Every kind of diagram of every sample, at the smallest and largest picture sizes and at twice
// the text: no label leaves the picture, none overlaps another, and the labels that carry the
// meaning (unit, angles) are there.
#include "DiagramSamples.h"
#include "diagrams/Diagram.h"

#include <gtest/gtest.h>

namespace lumetra::diagrams {
namespace {

using test::LabelFault;
using test::Op;
using test::RecordingSurface;
using test::Samples;

struct Size {
    int width, height;
    double textScale;
};
constexpr Size kSizes[] = {
    {300, 300, 1}, {300, 240, 2}, {1000, 800, 1}, {4000, 3000, 1}, {4000, 4000, 2}};

void ExpectCleanLabels(DiagramKind kind) {
    ASSERT_GE(Samples().size(), 60u);
    for (const auto& sample : Samples()) {
        const DiagramData data(sample->record, sample->facts);
        for (const Size& size : kSizes) {
            DiagramRequest request;
            request.kind = kind;
            request.textScale = size.textScale;
            request.unit = IntensityUnit::CandelaPerKilolumen;
            request.caption = DiagramCaption(sample->name, data, request);
            RecordingSurface surface;
            DrawDiagram(surface, {0, 0, size.width, size.height}, data, request);
            EXPECT_EQ(LabelFault(surface, size.width, size.height), "")
                << sample->name << " at " << size.width;
            // A caption and a message at least; a drawing with angles has many more labels.
            EXPECT_GE(surface.Of(Op::TextOut).size(), 2u) << sample->name;
        }
    }
}

TEST(SampleLabels, Polar) {
    ExpectCleanLabels(DiagramKind::Polar);
}

TEST(SampleLabels, Cartesian) {
    ExpectCleanLabels(DiagramKind::Cartesian);
}

TEST(SampleLabels, Isocandela) {
    ExpectCleanLabels(DiagramKind::Isocandela);
}

TEST(SampleLabels, Solid) {
    ExpectCleanLabels(DiagramKind::Solid);
}

} // namespace
} // namespace lumetra::diagrams
