#include "segedit/segment_font.h"

#include "app/fatal.h"
#include "app/globals.h"
#include "app/text_util.h"
#include "overlay/gtex.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace xtr {
namespace {

// Masks are 16 bits wide, so an outline can have no more segments.
constexpr int kMaxSegments = 16;

// Reads the pieces of one segment line, left to right.
class LineReader {
public:
    explicit LineReader(std::string_view line) : rest_(line) {}

    bool Number(std::int32_t& value)
    {
        rest_ = SkipBlanks(rest_);
        const char* first = rest_.data();
        const char* last = rest_.data() + rest_.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc{}) {
            return false;
        }
        rest_.remove_prefix(static_cast<std::size_t>(end - first));
        return true;
    }
    bool Sign(char c)
    {
        rest_ = SkipBlanks(rest_);
        if (rest_.empty() || rest_.front() != c) {
            return false;
        }
        rest_.remove_prefix(1);
        return true;
    }
    bool Point(SegPoint& p) { return Sign('(') && Number(p.x) && Sign(',') && Number(p.y) && Sign(')'); }
    bool AtEnd() const { return SkipBlanks(rest_).empty(); }

private:
    std::string_view rest_;
};

bool IsSkipped(std::string_view trimmed) { return trimmed.empty() || trimmed.starts_with("//"); }

bool ParseSegment(std::string_view line, int number, Segment& segment)
{
    LineReader reader(line);
    std::int32_t count = 0;
    if (!reader.Number(count) || count < 0) {
        return false;
    }
    segment.number = number;
    for (std::int32_t t = 0; t < count; ++t) {
        dataTriangle triangle;
        triangle.number = t;
        if (!reader.Sign('|') || !reader.Point(triangle.p[0]) || !reader.Point(triangle.p[1]) ||
            !reader.Point(triangle.p[2])) {
            return false;
        }
        segment.triangles.push_back(triangle);
    }
    return reader.AtEnd();
}

// The area of PQR as half the base PQ times the height of R over it;
// when P and Q coincide the height is R's distance from P.
double Area(double px, double py, double qx, double qy, double rx, double ry)
{
    const double base = std::hypot(qx - px, qy - py);
    const double height =
        base == 0.0 ? std::hypot(rx - px, ry - py) : std::fabs((qx - px) * (ry - py) - (qy - py) * (rx - px)) / base;
    return 0.5 * base * height;
}

}  // namespace

bool dataTriangle::Contains(double x, double y) const
{
    const double ax = p[0].x, ay = p[0].y, bx = p[1].x, by = p[1].y, cx = p[2].x, cy = p[2].y;
    if (p[0] == p[1] && p[1] == p[2]) {
        // A triangle shrunk to one point: every area below is 0, which
        // would put the whole plane inside it.
        return std::hypot(x - ax, y - ay) <= 0.01;
    }
    // Inside when the three triangles the point cuts off make up the whole;
    // the tolerance takes in points on an edge.
    return Area(ax, ay, bx, by, cx, cy) + 0.01 >=
           Area(x, y, bx, by, cx, cy) + Area(ax, ay, x, y, cx, cy) + Area(ax, ay, bx, by, x, y);
}

bool Segment::Contains(double x, double y) const
{
    for (const dataTriangle& triangle : triangles) {
        if (triangle.Contains(x, y)) {
            return true;
        }
    }
    return false;
}

Segchar Segchar::FromOverlay()
{
    Segchar font;
    std::string error;
    if (!font.Load(GTex().AllLines("GI_PCG_Seg_Data"), &error)) {
        Fatal("Bad segment outline GI_PCG_Seg_Data: " + error);
    }
    return font;
}

bool Segchar::Load(std::string_view entry, std::string* error)
{
    *this = Segchar();
    std::vector<std::string_view> lines;
    while (!entry.empty()) {
        const std::size_t end = entry.find('\n');
        std::string_view line = entry.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.starts_with('#')) {
            break;
        }
        lines.push_back(line);
        entry = end == std::string_view::npos ? std::string_view() : entry.substr(end + 1);
    }

    int count = 0;
    for (std::string_view line : lines) {
        if (!IsSkipped(Trim(line))) {
            ++count;
        }
    }
    auto fail = [&](const std::string& reason) {
        *this = Segchar();
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    };
    if (count > kMaxSegments) {
        return fail(Format("%d segments, a mask has room for %d", count, kMaxSegments));
    }
    // Segment s is line s: comment lines only after the segments.
    for (int s = 0; s < count; ++s) {
        Segment segment;
        if (!ParseSegment(lines[static_cast<std::size_t>(s)], s, segment)) {
            return fail(Format("line %d is not a segment: %s", s + 1, std::string(lines[static_cast<std::size_t>(s)]).c_str()));
        }
        segments_.push_back(std::move(segment));
    }
    for (const Segment& segment : segments_) {
        for (const dataTriangle& triangle : segment.triangles) {
            for (const SegPoint& p : triangle.p) {
                minX_ = std::min(minX_, p.x);
                maxX_ = std::max(maxX_, p.x);
                minY_ = std::min(minY_, p.y);
                maxY_ = std::max(maxY_, p.y);
            }
        }
    }
    return true;
}

void Segchar::SetMask(std::uint32_t mask)
{
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        segments_[static_cast<std::size_t>(i)].lit = (mask >> (count - 1 - i)) & 1U;
    }
}

std::uint32_t Segchar::Mask() const
{
    const int count = Count();
    std::uint32_t mask = 0;
    for (int i = 0; i < count; ++i) {
        if (segments_[static_cast<std::size_t>(i)].Lit()) {
            mask |= 1U << (count - 1 - i);
        }
    }
    return mask;
}

int Segchar::ToggleAt(std::int32_t x, std::int32_t y)
{
    for (Segment& segment : segments_) {
        if (segment.Contains(x, y)) {
            segment.lit = segment.Lit() ? 0 : 1;
            return segment.number;
        }
    }
    return -1;
}

}  // namespace xtr
