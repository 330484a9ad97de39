#include "smartbutton/smart_region.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "smartbutton/smart_action.h"

namespace strohvik {
namespace {

double Square(double value) { return value * value; }

// Within [min(a, b) - r, max(a, b) + r]. Equal ends give the band around that one
// coordinate, so vertical and horizontal lines hold the points near them.
bool WithinRange(int64_t value, int64_t a, int64_t b, int64_t r) {
  return std::min(a, b) - r <= value && value <= std::max(a, b) + r;
}

}  // namespace

int TSmartRegion::SetName(const std::string& name) {
  name_ = name;
  return 0;
}

int TSmartRegion::SetNumber(int number) {
  number_ = number;
  return 0;
}

int TSmartRegion::SetDesription(const std::string& text) {
  description_ = text;
  return 0;
}

int TSmartRegion::SetExtra(std::shared_ptr<TObject> extra) {
  extra_ = std::move(extra);
  return 0;
}

std::shared_ptr<TSmartRectangle> TSmartRectangle::Create(int x, int y, int w, int h) {
  return std::shared_ptr<TSmartRectangle>(new TSmartRectangle(x, y, w, h));
}

int TSmartRectangle::Inside(int px, int py) const {
  const int64_t x = X(), y = Y();
  return x <= px && px <= x + w_ && y <= py && py <= y + h_;
}

std::shared_ptr<TSmartCircle> TSmartCircle::Create(int x, int y, int r) {
  return std::shared_ptr<TSmartCircle>(new TSmartCircle(x, y, r));
}

int TSmartCircle::Inside(int px, int py) const {
  return Square(double(px) - X()) + Square(double(py) - Y()) < Square(r_);
}

std::shared_ptr<TSmartOval> TSmartOval::Create(int x, int y, int w, int h) {
  return std::shared_ptr<TSmartOval>(new TSmartOval(x, y, w, h));
}

int TSmartOval::Inside(int px, int py) const {
  // The product form needs no division, so zero half-axes need no case of their own.
  const double w2 = Square(w_), h2 = Square(h_);
  return h2 * Square(double(px) - X()) + w2 * Square(double(py) - Y()) - w2 * h2 <= 0;
}

std::shared_ptr<TSmartPoly> TSmartPoly::Create(std::vector<int> ppx, std::vector<int> ppy) {
  return std::shared_ptr<TSmartPoly>(new TSmartPoly(std::move(ppx), std::move(ppy)));
}

int TSmartPoly::Inside(int px, int py) const {
  const size_t n = ppx_.size();
  if (n < 3 || ppy_.size() < n) return 0;
  bool inside = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const int64_t xi = ppx_[i], yi = ppy_[i], xj = ppx_[j], yj = ppy_[j];
    if (!((yi <= py && py < yj) || (yj <= py && py < yi))) continue;
    // The y test excludes horizontal edges, so the divisor is never 0. Two differences
    // of Ints multiply to 65 bits, and the quotient is again a difference.
    const int64_t crossing = static_cast<int64_t>(__int128{xj - xi} * (py - yi) / (yj - yi)) + xi;
    if (px < crossing) inside = !inside;
  }
  return inside;
}

std::shared_ptr<TSmartLine> TSmartLine::Create(std::vector<int> ppx, std::vector<int> ppy, int r) {
  return std::shared_ptr<TSmartLine>(new TSmartLine(std::move(ppx), std::move(ppy), r));
}

int TSmartLine::Inside(int px, int py) const {
  if (ppx_.size() < 2 || ppy_.size() < 2) return 0;
  const int64_t x1 = ppx_[0], y1 = ppy_[0], x2 = ppx_[1], y2 = ppy_[1];
  if (!WithinRange(px, x1, x2, r_) || !WithinRange(py, y1, y2, r_)) return 0;
  const double length = std::sqrt(Square(double(x2 - x1)) + Square(double(y2 - y1)));
  // A line of two equal points is that point: its tolerance is a circle around it.
  if (length == 0) return std::sqrt(Square(double(px - x1)) + Square(double(py - y1))) < r_;
  // Each product of two Ints takes 63 bits, so their sum needs wider arithmetic.
  using Wide = __int128;
  const Wide twiceArea = Wide{x1} * y2 + Wide{x2} * py + Wide{px} * y1 - Wide{x2} * y1 - Wide{px} * y2 - Wide{x1} * py;
  return std::abs(double(twiceArea)) / length < r_;
}

}  // namespace strohvik
