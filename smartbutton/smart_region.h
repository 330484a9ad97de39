#pragma once
// Hit regions: areas of a button's picture in panel client coordinates, each with the
// list of actions that run when something happens in it. A button tests its regions in
// the order they were added; the first that holds the point wins. The same base class
// holds the actions of a button's enter, leave, timer and creation regions, which are
// never hit-tested.

#include <memory>
#include <string>
#include <vector>

#include "app/gui/object.h"
#include "smartbutton/smart_list.h"

namespace strohvik {

class TSmartAction;

class TSmartRegion : public TObject {
 public:
  int SetName(const std::string& name);
  const std::string& GetName() const { return name_; }
  int SetNumber(int number);
  int GetNumber() const { return number_; }
  int SetDesription(const std::string& text);
  const std::string& GetDesription() const { return description_; }
  int SetExtra(std::shared_ptr<TObject> extra);
  const std::shared_ptr<TObject>& GetExtra() const { return extra_; }

  // 1 when the point lies in the shape, else 0. Reads only the shape's own fields.
  virtual int Inside(int x, int y) const = 0;

  TList<TSmartAction>& Actions() { return actions_; }
  int X() const { return x_; }
  int Y() const { return y_; }

 protected:
  TSmartRegion(int x, int y) : x_(x), y_(y) {}

 private:
  std::string name_;
  std::string description_;
  int number_ = 0;
  int x_;
  int y_;
  TList<TSmartAction> actions_;
  std::shared_ptr<TObject> extra_;
};

using RegionPtr = std::shared_ptr<TSmartRegion>;

// Both edges count: a rectangle of width w covers w + 1 columns.
class TSmartRectangle : public TSmartRegion {
 public:
  static std::shared_ptr<TSmartRectangle> Create(int x, int y, int w, int h);
  int Inside(int x, int y) const override;

 private:
  TSmartRectangle(int x, int y, int w, int h) : TSmartRegion(x, y), w_(w), h_(h) {}
  int w_, h_;
};

// (x, y) is the centre; points at exactly distance r are outside.
class TSmartCircle : public TSmartRegion {
 public:
  static std::shared_ptr<TSmartCircle> Create(int x, int y, int r);
  int Inside(int x, int y) const override;

 private:
  TSmartCircle(int x, int y, int r) : TSmartRegion(x, y), r_(r) {}
  int r_;
};

// (x, y) is the centre, w and h the half-axes; the border is inside.
class TSmartOval : public TSmartRegion {
 public:
  static std::shared_ptr<TSmartOval> Create(int x, int y, int w, int h);
  int Inside(int x, int y) const override;

 private:
  TSmartOval(int x, int y, int w, int h) : TSmartRegion(x, y), w_(w), h_(h) {}
  int w_, h_;
};

// Vertex k is (ppx[k], ppy[k]); a polygon of fewer than three vertices holds no point.
class TSmartPoly : public TSmartRegion {
 public:
  static std::shared_ptr<TSmartPoly> Create(std::vector<int> ppx, std::vector<int> ppy);
  int Inside(int x, int y) const override;

 private:
  TSmartPoly(std::vector<int> ppx, std::vector<int> ppy) : TSmartRegion(0, 0), ppx_(std::move(ppx)), ppy_(std::move(ppy)) {}
  std::vector<int> ppx_, ppy_;
};

// The segment from (ppx[0], ppy[0]) to (ppx[1], ppy[1]) with a tolerance of r pixels.
class TSmartLine : public TSmartRegion {
 public:
  static std::shared_ptr<TSmartLine> Create(std::vector<int> ppx, std::vector<int> ppy, int r);
  int Inside(int x, int y) const override;

 private:
  TSmartLine(std::vector<int> ppx, std::vector<int> ppy, int r)
      : TSmartRegion(0, 0), ppx_(std::move(ppx)), ppy_(std::move(ppy)), r_(r) {}
  std::vector<int> ppx_, ppy_;
  int r_;
};

}  // namespace strohvik
