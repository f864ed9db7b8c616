// The web magazine Zabavklub, whose advertisement the ticker types and whose
// home page the banner opens.
#pragma once

namespace vr {

constexpr const char* kMagazineHost = "www.zabavklub.cz";
constexpr const char* kMagazineHome = "https://www.zabavklub.cz/";
constexpr const char* kTickerSeparator = "  -  ";
constexpr const char* kMagazineSlogan = "Hry a zábava pro vás";

}  // namespace vr
