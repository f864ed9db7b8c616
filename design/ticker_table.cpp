#include "design/ticker_table.h"

#include "design/zabavklub.h"

namespace vr {

namespace {

// Splits UTF-8 text into its characters.
std::vector<std::string> Characters(std::string_view s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t len = 1;
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0xf0) {
            len = 4;
        } else if (c >= 0xe0) {
            len = 3;
        } else if (c >= 0xc0) {
            len = 2;
        }
        out.emplace_back(s.substr(i, len));
        i += len;
    }
    return out;
}

// The pace after each character of the address: quick over "www", slow from
// the first dot over the magazine's name, quick again after the second dot,
// and a second's rest once the address stands complete.
std::vector<int> AddressPace(const std::vector<std::string>& chars) {
    const int n = static_cast<int>(chars.size());
    int firstDot = -1, secondDot = -1;
    for (int k = 0; k < n; ++k) {
        if (chars[k] != ".") continue;
        if (firstDot < 0) {
            firstDot = k;
        } else if (secondDot < 0) {
            secondDot = k;
        }
    }
    std::vector<int> pace(n, 100);
    for (int k = 0; k < n; ++k) {
        if ((firstDot >= 0 && k == firstDot - 1) || (secondDot >= 0 && k == secondDot - 1)) {
            pace[k] = 200;
        } else if (firstDot >= 0 && k >= firstDot && (secondDot < 0 || k < secondDot - 1)) {
            pace[k] = 400;
        }
    }
    pace[n - 1] = 1000;
    return pace;
}

}  // namespace

std::vector<TickerStep> BuildTicker(std::string_view address, std::string_view separator, std::string_view slogan) {
    std::vector<TickerStep> steps;
    steps.push_back({true, "", 100});
    int pace = 100;
    auto add = [&](std::string piece, int newPace) {
        steps.push_back({false, std::move(piece), newPace == pace ? 0 : newPace});
        pace = newPace;
    };
    const auto chars = Characters(address);
    const auto addressPace = AddressPace(chars);
    for (std::size_t k = 0; k < chars.size(); ++k) add(chars[k], addressPace[k]);
    add(std::string(separator), 150);
    const auto words = Characters(slogan);
    for (std::size_t k = 0; k < words.size(); ++k) add(words[k], k + 1 == words.size() ? 5000 : 150);
    return steps;
}

const std::vector<TickerStep>& TickerSteps() {
    static const std::vector<TickerStep> steps = BuildTicker(kMagazineHost, kTickerSeparator, kMagazineSlogan);
    return steps;
}

int TickerCycleMs(const std::vector<TickerStep>& steps) {
    int total = 0, pace = 100;
    for (const TickerStep& s : steps) {
        if (s.interval != 0) pace = s.interval;
        total += pace;
    }
    return total;
}

}  // namespace vr
