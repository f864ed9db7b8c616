// The game's four faces, made the same on every machine: the faces built
// into the program (and Wine's Tahoma clone where it is installed) stand in
// for the faces the window was designed with, whatever the player has installed.
#pragma once

#include <QFont>
#include <QString>

#include "ui/model/widget_model.h"

namespace vr::qt {

// Registers the face of most texts (Tahoma's stand-in); the others are
// registered when first asked for. Needs the application object.
void LoadGameFonts();

// The family that draws a designed face ("Tahoma", "Arial", "Courier New",
// "Century Gothic").
QString FamilyFor(const std::string& face);

// A designed font: its stand-in family at the designed size in points on a
// 96-dpi screen, in pixels, so the window looks the same at any screen density.
QFont GameFont(const Font& font);

// round(points * 96 / 72)
int PixelSize(double points);

}  // namespace vr::qt
