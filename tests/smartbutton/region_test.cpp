// The hit tests of the five shapes, without a window.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "smartbutton/smart_region.h"

namespace strohvik {
namespace {

struct HitCase {
  std::string what;
  RegionPtr region;
  int x, y;
  int inside;
};

void ExpectHits(const std::vector<HitCase>& cases) {
  for (const HitCase& c : cases)
    EXPECT_EQ(c.region->Inside(c.x, c.y), c.inside) << c.what << " at (" << c.x << ", " << c.y << ")";
}

TEST(SmartRegion, ShapesHoldTheirPointsWithTheRightBorders) {
  const RegionPtr rectangle = TSmartRectangle::Create(10, 10, 5, 5);
  const RegionPtr circle = TSmartCircle::Create(20, 20, 5);
  const RegionPtr oval = TSmartOval::Create(20, 20, 10, 5);
  const RegionPtr square = TSmartPoly::Create({0, 10, 10, 0}, {0, 0, 10, 10});
  const RegionPtr line = TSmartLine::Create({0, 10}, {0, 10}, 2);
  ExpectHits({
      {"rectangle, top-left corner", rectangle, 10, 10, 1},
      {"rectangle, bottom-right corner (both edges count)", rectangle, 15, 15, 1},
      {"rectangle, one column right of it", rectangle, 16, 15, 0},
      {"rectangle, one row above it", rectangle, 12, 9, 0},
      {"circle, exactly at r", circle, 25, 20, 0},
      {"circle, just within r", circle, 24, 20, 1},
      {"oval, end of the long axis", oval, 30, 20, 1},
      {"oval, end of the short axis", oval, 20, 25, 1},
      {"oval, beside the end of the long axis", oval, 30, 21, 0},
      {"square, centre", square, 5, 5, 1},
      {"square, right of it", square, 15, 5, 0},
      {"square, below it", square, 5, 15, 0},
      {"square, left of the closing edge", square, -1, 5, 0},
      {"line, near the middle", line, 5, 6, 1},
      {"line, 2.8 away", line, 5, 9, 0},
      {"line, on it beyond the end plus r", line, 13, 13, 0},
      {"line, on it within the end plus r", line, 11, 11, 1},
  });
}

TEST(SmartRegion, AnOvalWithZeroHalfAxesShrinksToALineOrAPoint) {
  ExpectHits({
      {"no width: its vertical axis", TSmartOval::Create(20, 20, 0, 5), 20, 23, 1},
      {"no width: beside it", TSmartOval::Create(20, 20, 0, 5), 21, 20, 0},
      {"no height: its horizontal axis", TSmartOval::Create(20, 20, 5, 0), 23, 20, 1},
      {"no height: beside it", TSmartOval::Create(20, 20, 5, 0), 20, 21, 0},
      {"neither: the product form holds every point", TSmartOval::Create(20, 20, 0, 0), 100, -7, 1},
  });
}

TEST(SmartRegion, APolygonClosedByRepeatingItsFirstVertexAnswersTheSame) {
  const RegionPtr open = TSmartPoly::Create({0, 10, 10, 0}, {0, 0, 10, 10});
  const RegionPtr closed = TSmartPoly::Create({0, 10, 10, 0, 0}, {0, 0, 10, 10, 0});
  for (int y = -2; y <= 12; ++y)
    for (int x = -2; x <= 12; ++x) EXPECT_EQ(closed->Inside(x, y), open->Inside(x, y)) << x << ", " << y;
}

// Arrays too short for the shape hold nothing; the sanitizer would report a read beyond
// them.
TEST(SmartRegion, ShapesWithTooFewPointsHoldNothing) {
  ExpectHits({
      {"polygon of two vertices", TSmartPoly::Create({0, 10}, {0, 10}), 5, 5, 0},
      {"polygon of no vertices", TSmartPoly::Create({}, {}), 0, 0, 0},
      {"polygon whose ppy is short", TSmartPoly::Create({0, 10, 10, 0}, {0, 0, 10}), 5, 5, 0},
      {"line of one point", TSmartLine::Create({0}, {0}, 5), 0, 0, 0},
      {"line whose ppy is short", TSmartLine::Create({0, 10}, {0}, 5), 0, 0, 0},
  });
}

TEST(SmartRegion, LinesAlongAnAxisOrOfOnePointHoldThePointsNearThem) {
  const RegionPtr point = TSmartLine::Create({5, 5}, {5, 5}, 3);
  const RegionPtr vertical = TSmartLine::Create({5, 5}, {0, 10}, 2);
  const RegionPtr horizontal = TSmartLine::Create({0, 10}, {5, 5}, 2);
  ExpectHits({
      {"point, itself", point, 5, 5, 1},
      {"point, diagonally 2.8 away", point, 7, 7, 1},
      {"point, exactly r away", point, 5, 8, 0},
      {"vertical, beside the middle", vertical, 6, 5, 1},
      {"vertical, exactly r beside it", vertical, 7, 5, 0},
      {"vertical, past its end within r", vertical, 5, 12, 1},
      {"vertical, past its end beyond r", vertical, 5, 13, 0},
      {"horizontal, beside the middle", horizontal, 5, 6, 1},
      {"horizontal, exactly r beside it", horizontal, 5, 7, 0},
      {"horizontal, before its start within r", horizontal, -2, 5, 1},
      {"horizontal, before its start beyond r", horizontal, -3, 5, 0},
  });
}

// Coordinates at the ends of the Int range: the sanitizer reports any overflow of the
// intermediate products.
TEST(SmartRegion, CoordinatesAtTheEndsOfTheIntRangeGiveTheRightAnswers) {
  const RegionPtr corner = TSmartRectangle::Create(INT_MAX - 5, INT_MAX - 5, 10, 10);
  // The half of the whole plane below the diagonal y = x.
  const RegionPtr triangle = TSmartPoly::Create({INT_MIN, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, INT_MAX});
  const RegionPtr diagonal = TSmartLine::Create({INT_MIN, INT_MAX}, {INT_MIN, INT_MAX}, 2);
  ExpectHits({
      {"rectangle reaching past INT_MAX", corner, INT_MAX, INT_MAX, 1},
      {"rectangle reaching past INT_MAX, left of it", corner, INT_MAX - 6, INT_MAX, 0},
      {"circle around INT_MIN", TSmartCircle::Create(INT_MIN, INT_MIN, 3), INT_MIN + 2, INT_MIN, 1},
      {"oval of INT_MAX half-axes", TSmartOval::Create(0, 0, INT_MAX, INT_MAX), INT_MAX, 0, 1},
      {"oval of INT_MAX half-axes, far corner", TSmartOval::Create(0, 0, INT_MAX, INT_MAX), INT_MAX, INT_MAX, 0},
      {"triangle, below the diagonal", triangle, 100, 0, 1},
      {"triangle, above the diagonal", triangle, 0, 100, 0},
      {"triangle, near its top corner", triangle, INT_MAX - 1, INT_MAX - 2, 1},
      {"diagonal, on it", diagonal, 0, 0, 1},
      {"diagonal, one off it", diagonal, 1, 0, 1},
      {"diagonal, the far corner", diagonal, INT_MAX, INT_MIN, 0},
      {"diagonal, the near corner", diagonal, INT_MIN, INT_MAX, 0},
  });
}

}  // namespace
}  // namespace strohvik
