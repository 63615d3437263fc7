#include "GoniogramView.h"

#include <utility>

namespace lumetra {

GonioView GoniogramView(int plane, bool fit, bool ortho, long double globalMaxCandela,
                        std::string decimalSeparator) {
    GonioView view;
    view.plane = plane;
    view.fit = fit;
    view.ortho = ortho;
    view.globalMaxCandela = globalMaxCandela;
    view.decimalSeparator = std::move(decimalSeparator);
    return view;
}

} // namespace lumetra
