#pragma once
// The picture buttons of the windows, built through the smart button library. Each
// is found afterwards by its designer name, the name of its panel.

#include <span>

#include "app/gui/gui.h"

namespace strohvik {

struct PictureButtonSpec {
  const char* name;
  const char* parent;
  int x;
  int y;
  const char* picture;     // embedded resource; the button is as large as it
  int secondSoundTrigger;  // when the second, lower click plays: left release or right press
};

void BuildPictureButtons(TGui& gui, std::span<const PictureButtonSpec> buttons);

}  // namespace strohvik
