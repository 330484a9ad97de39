#include "app/picture_buttons.h"

#include "app/gadget_spec.h"
#include "smartbutton/creation_api.h"

namespace strohvik {
namespace {

const std::shared_ptr<TSound>& ClickSound() {
  static const std::shared_ptr<TSound> click = TSound::Load("incbin::switch-19.wav");
  return click;
}

void BuildPictureButton(TGui& gui, const PictureButtonSpec& spec) {
  const PixmapPtr face = ResourcePicture(spec.picture);
  const ButtonPtr button = CreateSmartButton(spec.x, spec.y, face, gui.Get(spec.parent), kPanelActive, spec.name);
  AddActionColor(TriggerMove, 0, 8, 2, 8, *button->EnterRegion());  // hovering tints it green
  AddActionDefault(TriggerMove, 0, *button->LeaveRegion());
  RunSmartActions(TriggerMove, button.get(), button->OnCreationRegion().get());
  // The whole face answers, its edges and the right end of the wide faces included.
  const RegionPtr region = AddSmartRectangle(0, 0, face->Width() - 1, face->Height() - 1, *button);
  AddActionHighLight(TriggerLeftDown, 0, 2, *region);
  AddActionDefault(TriggerLeftUp, 0, *region);
  AddActionColor(TriggerLeftUp, 0, 8, 2, 8, *region);
  AddActionSound(TriggerLeftDown, 0, ClickSound(), 1.0, 0.0, 0.0, 1.0, *region);
  AddActionSound(static_cast<uint32_t>(spec.secondSoundTrigger), 0, ClickSound(), 1.0, 0.2, 0.0, 0.8, *region);
}

}  // namespace

void BuildPictureButtons(TGui& gui, std::span<const PictureButtonSpec> buttons) {
  for (const PictureButtonSpec& spec : buttons) BuildPictureButton(gui, spec);
}

}  // namespace strohvik
