#pragma once
// The sample files loaded once for the diagram tests, and the checks every picture of them must
// pass: each label inside the picture, no two labels overlapping.

#include "diagrams/DiagramData.h"
#include "eulumdat/PhotometryFile.h"
#include "gonio/RecordingSurface.h"
#include "support/Samples.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace lumetra::test {

struct LoadedSample {
    std::string name;
    tIES record;
    LuminaireFacts facts;
};

// Every IES and EULUMDAT sample that loads, loaded once per test program.
inline const std::vector<std::unique_ptr<LoadedSample>>& Samples() {
    static const auto samples = [] {
        std::vector<std::unique_ptr<LoadedSample>> loaded;
        for (const std::string& folder : SampleFolders())
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                if (!IsPhotometricFileName(entry.path().filename().string()))
                    continue;
                auto sample = std::make_unique<LoadedSample>();
                sample->name = entry.path().filename().string();
                TextLines lines, header;
                try {
                    LoadPhotometryFile(
                        entry.path().string(), sample->record, lines, header, [](const Message&) {},
                        sample->facts);
                } catch (const std::exception&) {
                    continue;
                }
                loaded.push_back(std::move(sample));
            }
        return loaded;
    }();
    return samples;
}

inline const LoadedSample& Sample(const std::string& name) {
    for (const auto& sample : Samples())
        if (sample->name == name)
            return *sample;
    throw std::runtime_error("no sample " + name);
}

struct LabelBox {
    std::string text;
    int left, top, right, bottom;
};

inline std::vector<LabelBox> LabelBoxes(const RecordingSurface& surface) {
    std::vector<LabelBox> boxes;
    for (const Call& call : surface.Of(Op::TextOut)) {
        const TextExtent extent = EstimatedTextExtent(call.font, call.text);
        boxes.push_back(
            {call.text, call.x1, call.y1, call.x1 + extent.width, call.y1 + extent.height});
    }
    return boxes;
}

// Empty when every label lies inside width x height and none overlaps another; otherwise the
// first fault found.
inline std::string LabelFault(const RecordingSurface& surface, int width, int height) {
    const std::vector<LabelBox> boxes = LabelBoxes(surface);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const LabelBox& a = boxes[i];
        if (a.left < 0 || a.top < 0 || a.right > width || a.bottom > height)
            return "\"" + a.text + "\" leaves the picture";
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const LabelBox& b = boxes[j];
            if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
                return "\"" + a.text + "\" overlaps \"" + b.text + "\"";
        }
    }
    return {};
}

inline bool HasLabel(const RecordingSurface& surface, const std::string& text) {
    for (const Call& call : surface.Of(Op::TextOut))
        if (call.text == text)
            return true;
    return false;
}

} // namespace lumetra::test
