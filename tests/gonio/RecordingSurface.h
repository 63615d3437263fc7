#pragma once
// A drawing surface that logs every call with its arguments and the pen, brush and font in force,
// so tests can assert coordinates, colours and order exactly.

#include "gonio/DrawingSurface.h"

#include <ostream>
#include <string>
#include <vector>

namespace lumetra::test {

enum class Op { Rectangle, Ellipse, MoveTo, LineTo, TextOut, Lock, Unlock };

struct Call {
    Op op;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    std::string text;
    Pen pen;
    Brush brush;
    Font font;
    bool operator==(const Call&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Call& call) {
    static const char* const names[] = {"Rectangle", "Ellipse", "MoveTo", "LineTo",
                                        "TextOut",   "Lock",    "Unlock"};
    return out << names[static_cast<int>(call.op)] << '(' << call.x1 << ',' << call.y1 << ','
               << call.x2 << ',' << call.y2 << ",\"" << call.text << "\")";
}

class RecordingSurface : public DrawingSurface {
  public:
    std::vector<Call> calls;
    int lockDepth = 0;
    int deepestLock = 0;

    void Rectangle(int l, int t, int r, int b) override { Record(Op::Rectangle, l, t, r, b); }
    void Ellipse(int l, int t, int r, int b) override { Record(Op::Ellipse, l, t, r, b); }
    void MoveTo(int x, int y) override { Record(Op::MoveTo, x, y); }
    void LineTo(int x, int y) override { Record(Op::LineTo, x, y); }
    void TextOut(int x, int y, const std::string& text) override {
        Record(Op::TextOut, x, y).text = text;
    }
    void Lock() override {
        Record(Op::Lock);
        if (++lockDepth > deepestLock)
            deepestLock = lockDepth;
    }
    void Unlock() override {
        Record(Op::Unlock);
        --lockDepth;
    }

    std::vector<Call> Of(Op op) const {
        std::vector<Call> found;
        for (const auto& call : calls)
            if (call.op == op)
                found.push_back(call);
        return found;
    }

    // Every drawn polyline: a MoveTo and the LineTo calls after it.
    std::vector<std::vector<Call>> Polylines() const {
        std::vector<std::vector<Call>> lines;
        for (const auto& call : calls) {
            if (call.op == Op::MoveTo)
                lines.push_back({call});
            else if (call.op == Op::LineTo && !lines.empty())
                lines.back().push_back(call);
        }
        return lines;
    }

  private:
    Call& Record(Op op, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) {
        calls.push_back(Call{op, x1, y1, x2, y2, {}, pen, brush, font});
        return calls.back();
    }
};

} // namespace lumetra::test
