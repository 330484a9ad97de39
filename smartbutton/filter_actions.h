#pragma once
// The filter actions: each shows a filtered copy of the picture the button shows at
// the moment, so filters accumulate until a default action restores the own picture.

#include "app/gui/pixmap.h"
#include "smartbutton/smart_action.h"

namespace strohvik {

// The protocol shared by the five: show CreatePixmap(CurrentPixmap).
class TFilterAction : public TSmartAction {
 public:
  virtual PixmapPtr CreatePixmap(const TPixmap& pixmap) const = 0;

 protected:
  using TSmartAction::TSmartAction;

 private:
  void Effect(TSmartButton& button, TSmartRegion& region) override;
};

class TActionShowGrey : public TFilterAction {
 public:
  static std::shared_ptr<TActionShowGrey> Create(uint32_t trigger, int once);
  PixmapPtr CreatePixmap(const TPixmap& pixmap) const override;

 private:
  using TFilterAction::TFilterAction;
};

class TActionBlur : public TFilterAction {
 public:
  static std::shared_ptr<TActionBlur> Create(uint32_t trigger, int once, double blur);
  PixmapPtr CreatePixmap(const TPixmap& pixmap) const override;

 private:
  TActionBlur(uint32_t trigger, int once, double blur) : TFilterAction(trigger, once), blur_(blur) {}
  double blur_;
};

class TActionInvert : public TFilterAction {
 public:
  static std::shared_ptr<TActionInvert> Create(uint32_t trigger, int once);
  PixmapPtr CreatePixmap(const TPixmap& pixmap) const override;

 private:
  using TFilterAction::TFilterAction;
};

class TActionHighLight : public TFilterAction {
 public:
  static std::shared_ptr<TActionHighLight> Create(uint32_t trigger, int once, int light);
  PixmapPtr CreatePixmap(const TPixmap& pixmap) const override;

 private:
  TActionHighLight(uint32_t trigger, int once, int light) : TFilterAction(trigger, once), light_(light) {}
  int light_;
};

// The tint towards white.
class TActionColor : public TFilterAction {
 public:
  static std::shared_ptr<TActionColor> Create(uint32_t trigger, int once, int red, int green, int blue);
  PixmapPtr CreatePixmap(const TPixmap& pixmap) const override;

 private:
  TActionColor(uint32_t trigger, int once, int red, int green, int blue)
      : TFilterAction(trigger, once), red_(red), green_(green), blue_(blue) {}
  int red_, green_, blue_;
};

}  // namespace strohvik
