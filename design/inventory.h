// The window `main` as designed: every widget in its state at start.
#pragma once

#include <string>

#include "model/widget_model.h"

namespace vr {

// The caption of the window's title bar.
extern const char* const kWindowCaption;
constexpr int kClientWidth = 800;
constexpr int kClientHeight = 600;
constexpr std::uint32_t kWindowBack = Hex(0x63461f);

// Design geometry is in twips, 15 to a pixel.
constexpr int Px(int twips) { return (twips * 2 + 15) / 30; }

// Fills an empty model with the whole window in its design state.
void BuildWindow(WidgetModel& model);

}  // namespace vr
