#include "smartbutton/filter_actions.h"

#include "smartbutton/picture_filters.h"
#include "smartbutton/smart_button.h"

namespace strohvik {

void TFilterAction::Effect(TSmartButton& button, TSmartRegion&) {
  button.SetButtonPixmap(CreatePixmap(*button.CurrentPixmap()), button.PixMapProperties());
}

std::shared_ptr<TActionShowGrey> TActionShowGrey::Create(uint32_t trigger, int once) {
  return std::shared_ptr<TActionShowGrey>(new TActionShowGrey(trigger, once));
}
PixmapPtr TActionShowGrey::CreatePixmap(const TPixmap& pixmap) const { return Grey(pixmap); }

std::shared_ptr<TActionBlur> TActionBlur::Create(uint32_t trigger, int once, double blur) {
  return std::shared_ptr<TActionBlur>(new TActionBlur(trigger, once, blur));
}
PixmapPtr TActionBlur::CreatePixmap(const TPixmap& pixmap) const { return Blur(pixmap, blur_); }

std::shared_ptr<TActionInvert> TActionInvert::Create(uint32_t trigger, int once) {
  return std::shared_ptr<TActionInvert>(new TActionInvert(trigger, once));
}
PixmapPtr TActionInvert::CreatePixmap(const TPixmap& pixmap) const { return Invert(pixmap); }

std::shared_ptr<TActionHighLight> TActionHighLight::Create(uint32_t trigger, int once, int light) {
  return std::shared_ptr<TActionHighLight>(new TActionHighLight(trigger, once, light));
}
PixmapPtr TActionHighLight::CreatePixmap(const TPixmap& pixmap) const { return HighLight(pixmap, light_); }

std::shared_ptr<TActionColor> TActionColor::Create(uint32_t trigger, int once, int red, int green, int blue) {
  return std::shared_ptr<TActionColor>(new TActionColor(trigger, once, red, green, blue));
}
PixmapPtr TActionColor::CreatePixmap(const TPixmap& pixmap) const { return Tint(pixmap, red_, green_, blue_); }

}  // namespace strohvik
