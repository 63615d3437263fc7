#pragma once
// Collects captioned rows whose values are figures in the one number format.

#include "FigureText.h"
#include "summary/PhotometricSummary.h"

#include <string>
#include <utility>
#include <vector>

namespace lumetra::properties {

using CaptionedValue = std::pair<std::string, std::string>;

class RowWriter {
  public:
    explicit RowWriter(NumberFormat format) : format_(std::move(format)) {}
    void Text(std::string caption, std::string value) {
        rows_.emplace_back(std::move(caption), std::move(value));
    }
    // The figure times k, in the unit.
    void Value(std::string caption, const summary::Figure& figure, const Unit& unit,
               long double k = 1) {
        Text(std::move(caption),
             FigureText(figure ? summary::Figure(*figure * k) : figure, unit, format_));
    }
    std::string Shown(const summary::Figure& figure, const Unit& unit) const {
        return FigureText(figure, unit, format_);
    }
    const NumberFormat& Format() const { return format_; }
    // A text in the language of the rows.
    std::string Words(const Message& text) const { return format_.Words(text); }
    // A caption marked in the context "Summary", or in the context given.
    std::string Caption(const char* marked) const { return Caption("Summary", marked); }
    std::string Caption(const char* context, const char* marked) const {
        return Words(Message(context, marked));
    }
    std::vector<CaptionedValue> Rows() && { return std::move(rows_); }

  private:
    NumberFormat format_;
    std::vector<CaptionedValue> rows_;
};

} // namespace lumetra::properties
