#include "design/spoken.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "design/pieces.h"
#include "design/ticker_table.h"

namespace vr {

namespace {

const PieceKind& Of(int id) { return kPieces[static_cast<std::size_t>(id)]; }

// The way a piece runs: its channels' words, joined.
std::string Sides(int id) {
    const PieceKind& k = Of(id);
    return TwoChannels(id) ? std::string(k.channels[0].words) + " a " + k.channels[1].words : k.channels[0].words;
}

std::string PieceWords(int id) { return std::string(Of(id).noun) + " " + Sides(id); }

// `voda(0)` to `voda(8)`: the pieces full of water; `voda(9)` to `voda(14)`:
// the two-channel pieces with one channel full.
std::string WaterWords(int i) {
    if (i < kPieceCount) return PieceWords(i) + ", " + Of(i).full;
    const int id = kValveShapes + (i - 9) / 2, channel = (i - 9) % 2;
    return PieceWords(id) + ", voda jen v " + Of(id).on + " " +
           Of(id).channels[static_cast<std::size_t>(channel)].words;
}

std::string ValveWords(int id, bool water) {
    return std::string("ventil na ") + Of(id).on + " " + Sides(id) + (water ? ", plný vody" : "");
}

}  // namespace

bool IsBoardCell(const Widget& x) { return x.kind == Kind::Image && x.name == "pole"; }

int ShownBoardSide(const WidgetModel& m) {
    const int members = m.memberCount("pole");
    const auto shown = [&](int i) { return i < members && m.at(m.id("pole", i)).visible; };
    for (int n = static_cast<int>(std::sqrt(members)); n > 0; --n) {
        if (shown(n * n - 1) && !shown(n * n)) return n;
    }
    return 0;
}

bool Presented(const WidgetModel& m, W w) {
    const Widget& x = m.at(w);
    if (x.kind == Kind::Timer || x.name == "lajny" || x.name == "dsel" || x.name == "pics") return false;
    if (x.name == "Label1" || x.name == "Label2" || (x.name == "nadpis" && x.index == 2)) return false;
    return x.container == kNoWidget || m.at(x.container).name != "pics";
}

std::string PictureWords(const std::string& picture) {
    const auto open = picture.find('(');
    if (open == std::string::npos) return picture;
    const std::string name = picture.substr(0, open);
    const int i = std::atoi(picture.c_str() + open + 1);
    if (name == "trubka" && i >= 0 && i < kPieceCount) return PieceWords(i);
    if (name == "voda" && i >= 0 && i < HalfFullPicture(kPieceCount - 1, 1) + 1) return WaterWords(i);
    if ((name == "ventil" || name == "ventilvoda") && i >= 0 && i < kValveShapes) {
        return ValveWords(i, name == "ventilvoda");
    }
    if (name == "pzed" && i == 0) return "přívod vody";
    if (name == "pzed" && i == 1) return "přívod vody, voda už teče";
    return picture;
}

std::string SpokenName(const WidgetModel& m, W w) {
    const Widget& x = m.at(w);
    const auto shows = [&] { return x.picture == kNoPicture ? "prázdné" : PictureWords(m.pictureName(x.picture)); };
    if (IsBoardCell(x)) {
        const int n = std::max(1, ShownBoardSide(m));
        return "řádek " + std::to_string(x.index / n + 1) + ", sloupec " + std::to_string(x.index % n + 1) + ": " +
               shows();
    }
    if (x.name == "nabidka") return shows();
    if (x.name == "levnum") return m.caption(m.id("Label1")) + " " + x.caption;
    if (x.name == "lzivotu") return x.caption + " " + m.caption(m.id("Label2"));
    if (x.name == "menu") return "Menu";
    if (x.name == "ZKbaner") return "Zabavklub";
    if (x.name == "Image1") return "Obrázek autorů";
    return x.caption;
}

const char* SpokenDescription(const Widget& x) {
    if (x.name == "nabidka") {
        static const char* const keys[] = {"", "díl v nabídce, klávesa 1", "díl v nabídce, klávesa 2",
                                           "díl v nabídce, klávesa 3", "díl v nabídce, klávesa 4"};
        return x.index >= 1 && x.index <= 4 ? keys[x.index] : "díl v nabídce";
    }
    if (x.name == "menu") return "pozastaví hru, klávesa Escape nebo P";
    if (x.name == "countdown") return "odpočet do puštění vody";
    if (x.name == "ZKbaner") return "otevře časopis Zabavklub v prohlížeči";
    if (x.name == "Image1") return "kliknutím se obrázek zavře";
    return "";
}

const char* BoardKeysHelp() {
    return "Šipky posouvají kurzor po hrací ploše, klávesy 1 až 4 vyberou díl z nabídky, Enter "
           "nebo mezerník ho položí na políčko pod kurzorem, Escape nebo P hru pozastaví.";
}

const std::string& TickerLine() {
    static const std::string line = [] {
        std::string s;
        for (const TickerStep& step : TickerSteps()) s += step.append;
        return s;
    }();
    return line;
}

}  // namespace vr
