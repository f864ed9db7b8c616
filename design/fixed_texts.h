// The fixed texts of the window (the help text, the story texts), embedded
// into the program from the files under assets/texts at build time.
#pragma once

#include <string>

namespace vr {

// The text of a widget by its name, "naptext" or "intertext(701)"; asking for
// a text the game does not have is a programming error.
const std::string& FixedText(const std::string& widget);

}  // namespace vr
