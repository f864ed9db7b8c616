// What a screen reader says of the window, in the game's words: the
// pictures of the board and the offer, each cell by its row and column,
// the read-outs with their words, and which widgets it is told about at
// all. The Qt front end (qt/accessible.cpp) hands these to assistive
// technology; nothing here knows of any toolkit.
#pragma once

#include <string>

#include "model/widget_model.h"

namespace vr {

// Whether a widget is a cell of the board (a member of `pole`).
bool IsBoardCell(const Widget& x);

// The side of the board dealt now: its cells are the first N x N members of
// `pole`, all shown; 0 before the first deal.
int ShownBoardSide(const WidgetModel& m);

// Whether a screen reader is told about a widget: not of timers, the
// decorative bars, the click targets over the credit line, the title's
// light copy, the template pictures, nor the words beside the level and the
// lives (each read-out says them).
bool Presented(const WidgetModel& m, W w);

// What a picture of the board shows, by its name ("trubka(3)"); a name of
// no such picture as it is.
std::string PictureWords(const std::string& picture);

// The name a widget is read by: a cell by its row, column and picture, an
// offer slot by its piece, a read-out with its words, the pictures by what
// they are, anything else by its caption. (The ticker and the panels are
// named by the front end, which knows what has been on screen.)
std::string SpokenName(const WidgetModel& m, W w);

// What a widget does, where its name does not say it; "" elsewhere.
const char* SpokenDescription(const Widget& x);

// How the board is played from the keys, told with the board itself.
const char* BoardKeysHelp();

// The whole line the ticker types.
const std::string& TickerLine();

}  // namespace vr
