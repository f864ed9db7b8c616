#include "design/zabavklub.h"
#include "game/main_form.h"

namespace vr {

void Main::ZKbaner_Click() {
    // Every step may fail; a failed step is skipped and the game goes on.
    if (auto browser = platform_.createBrowser()) {
        iexplore = std::move(browser);
        std::weak_ptr<Browser> followed = iexplore;
        iexplore->onQuit = [this, followed] {
            // Only the most recent browser is followed.
            if (followed.lock() == iexplore) iexplore_OnQuit();
        };
    }
    if (!iexplore) return;
    iexplore->show();
    iexplore->navigate(kMagazineHome);
}

void Main::iexplore_OnQuit() { iexplore.reset(); }

}  // namespace vr
