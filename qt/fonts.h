// The game's four faces, the same on every machine: each face the window was
// designed with is drawn with a stand-in from Debian's font packages (and
// Wine's Tahoma clone where it is installed), asked for by its own family,
// so that the player's font settings cannot swap it for another.
#pragma once

#include <QFont>

#include "model/widget_model.h"

namespace vr::qt {

// Starts fontconfig's own start-up (reading its configuration and the
// list of every installed face: a quarter of the work before the first
// frame) on a thread of its own, so that on a machine with two cores it
// runs beside Qt's opening of the display and the building of the window.
// Call it first in main(); LoadGameFonts waits for it.
void StartFontconfig();

// Makes ready the face of most texts (Tahoma's stand-in); the others are
// looked for when first asked for. Needs the application object; call it
// before the first text is measured or drawn (the window does at its first
// paint).
void LoadGameFonts();

// A designed font: its stand-in at the designed size in points on a 96-dpi
// screen, in pixels, so the window looks the same at any screen density.
// Where a stand-in is not installed (said once on standard error) the font
// asks for the designed face, and the system gives the nearest it has.
QFont GameFont(const Font& font);

// The file of the installed face of `family` in that weight, slant and width
// (QFont's stretch, which is fontconfig's width), as fontconfig finds it by
// family; empty where fontconfig would give another family, or another face
// of the family, in its place.
QString FaceFile(const char* family, bool bold, bool italic, int stretch = QFont::Unstretched);

// round(points * 96 / 72)
int PixelSize(double points);

}  // namespace vr::qt
