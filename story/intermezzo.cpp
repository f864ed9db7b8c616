#include <string>

#include "game/main_form.h"

namespace vr {

namespace {

struct Screen {
    const char* heading;
    const char* first;   // the action the story offers; null on a plain screen
    const char* second;  // going on with the work
};

// Intermezzo 1..9; the choice screens are 1, 3, 5 and 7.
const Screen kScreens[10] = {
    {},
    {"Intermezzo #1 aneb HUV", "Zavřít vodu", "Dál stavět"},
    {"Intermezzo #2 aneb Zabavklub", nullptr, nullptr},
    {"Intermezzo #3 aneb Óbože", "Modlit se", "Dál stavět"},
    {"Intermezzo #4 aneb Krize", nullptr, nullptr},
    {"Intermezzo #5 aneb Ňamka", "Napít se", "Dál stavět"},
    {"Intermezzo #6 aneb Rybka", nullptr, nullptr},
    {"Intermezzo #7 aneb Opraváři", "Hledat budku", "Neztrácet čas"},
    {"Intermezzo #8 aneb Babička", nullptr, nullptr},
    {"Intermezzo #9 aneb Finiš", nullptr, nullptr},
};

}  // namespace

void Main::ShowIntermezzo(Byte number) {
    HoldForStory();
    if (number == 1 && intermezzo1Shown) {
        EndIntermezzo();
        return;
    }
    if (number < 1 || number > 9) {
        EndIntermezzo();
        return;
    }
    if (number == 1) intermezzo1Shown = True;
    const Screen& s = kScreens[number];
    const std::string tag = std::to_string(number);
    m_.setCaption(w_.nadpis5, s.heading);
    m_.show(m_.id("intertext", number), true);
    if (s.first) {
        m_.setCaption(w_.inter1, s.first);
        m_.setTag(w_.inter1, tag);
        m_.setCaption(w_.inter2, s.second);
        m_.setTag(w_.inter2, tag);
        m_.show(w_.inter1, true);
        m_.show(w_.inter2, true);
    } else {
        m_.show(w_.interok, true);
        m_.setTag(w_.interok, tag);
    }
    m_.show(w_.interfrm, true);
    // Grandmother's screen skips level 80: she sits on its outlet.
    if (number == 8) level = static_cast<Byte>(level + 1);
}

// While a story screen is up only its buttons respond.
void Main::HoldForStory() {
    m_.enable(w_.menu, false);
    EnableBoard(false);
}

void Main::EndIntermezzo() {
    m_.show(w_.interfrm, false);
    m_.enable(w_.menu, true);
    EnableBoard(true);
    StartLevel();
}

}  // namespace vr
