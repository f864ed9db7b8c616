#include "game/main_form.h"

namespace vr {

FormWidgets::FormWidgets(const WidgetModel& m)
    : tok(m.id("tok")),
      countdowntimer(m.id("countdowntimer")),
      texttimer(m.id("texttimer")),
      menufrm(m.id("menufrm")),
      napfrm(m.id("napfrm")),
      interfrm(m.id("interfrm")),
      dframe(m.id("dframe")),
      pleasewait(m.id("pleasewait")),
      countdown(m.id("countdown")),
      levnum(m.id("levnum")),
      lzivotu(m.id("lzivotu")),
      Label2(m.id("Label2")),
      text(m.id("text")),
      menu(m.id("menu")),
      ZKbaner(m.id("ZKbaner")),
      Image1(m.id("Image1")),
      novahra(m.id("novahra")),
      pokracovat(m.id("pokracovat")),
      help(m.id("help")),
      ukoncit(m.id("ukoncit")),
      napok(m.id("napok")),
      inter1(m.id("inter1")),
      inter2(m.id("inter2")),
      interok(m.id("interok")),
      nadpis5(m.id("nadpis", 5)) {
    nabidka[0] = kNoWidget;
    for (int i = 1; i <= 4; ++i) nabidka[i] = m.id("nabidka", i);
    for (int i = 0; i < kPieceCount; ++i) trubka[i] = m.id("trubka", i);
    for (int i = 0; i < 15; ++i) voda[i] = m.id("voda", i);
    for (int i = 0; i < kValveShapes; ++i) ventil[i] = m.id("ventil", i);
    for (int i = 0; i < kValveShapes; ++i) ventilvoda[i] = m.id("ventilvoda", i);
    for (int i = 0; i < 2; ++i) pzed[i] = m.id("pzed", i);
}

Main::Main(WidgetModel& model, Random& random, Platform& platform)
    : m_(model), rnd_(random), platform_(platform), w_(model) {
    const int members = m_.memberCount("pole");
    for (int i = 0; i < members; ++i) pole_.push_back(m_.id("pole", i));
    BindEvents();
}

void Main::BindEvents() {
    auto plain = [this](const char* name, void (Main::*handler)()) {
        m_.onClick(name, [this, handler](int) { (this->*handler)(); });
    };
    auto indexed = [this](const char* name, void (Main::*handler)(Integer)) {
        m_.onClick(name, [this, handler](int i) { (this->*handler)(static_cast<Integer>(i)); });
    };
    auto timer = [this](const char* name, void (Main::*handler)()) {
        m_.onTick(name, [this, handler](int) { (this->*handler)(); });
    };
    indexed("pole", &Main::pole_Click);
    indexed("nabidka", &Main::nabidka_Click);
    indexed("dsel", &Main::dsel_Click);
    plain("novahra", &Main::novahra_Click);
    plain("pokracovat", &Main::pokracovat_Click);
    plain("help", &Main::help_Click);
    plain("ukoncit", &Main::ukoncit_Click);
    plain("napok", &Main::napok_Click);
    plain("inter1", &Main::inter1_Click);
    plain("inter2", &Main::inter2_Click);
    plain("interok", &Main::interok_Click);
    plain("menu", &Main::menu_Click);
    plain("ZKbaner", &Main::ZKbaner_Click);
    plain("Image1", &Main::Image1_Click);
    timer("tok", &Main::tok_Timer);
    timer("countdowntimer", &Main::countdowntimer_Timer);
    timer("texttimer", &Main::texttimer_Timer);
}

void Main::Form_Load() {
    rnd_.seed(platform_.secondsSinceMidnight());
    dselStep = 0;
    textStep = 0;
    InitPieces();
}

}  // namespace vr
