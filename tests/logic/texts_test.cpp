// The help text and the fourteen story texts: their length, how each begins,
// their paragraphs and line breaks, and that the window shows them unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "scenes.h"
#include "ui/design/fixed_texts.h"

namespace vr::test {
namespace {

struct Text {
    const char* widget;
    int length;  // in characters
    const char* begins;
};

const Text kTexts[] = {
    {"naptext", 1392, "\tJednoho krásného, hřejivého rána"},
    {"intertext(1)", 263, "Brodí se k tobě zaměstnanec vodárny"},
    {"intertext(101)", 466, "Dobrodili jste k hlavnímu uzávěru."},
    {"intertext(2)", 339, "Na člunu k tobě pluje jeden z techniků."},
    {"intertext(3)", 208, "Sakrasakrasakra..."},
    {"intertext(301)", 863, "„Otče náš, jenž jsi na nebesích"},
    {"intertext(4)", 130, "Jak dlouho už tu jsi?"},
    {"intertext(5)", 597, "Po hladině k tobě plave rádio."},
    {"intertext(501)", 214, "Olízneš hladinu"},
    {"intertext(6)", 362, "Zrovna bereš nějakou trubku z hromady"},
    {"intertext(7)", 280, "Najednou ti to došlo."},
    {"intertext(701)", 1051, "Vyběhneš z vodárny a zuřivě hledáš budku."},
    {"intertext(8)", 1224, "Právě jsi připojil poslední ventil"},
    {"intertext(9)", 206, "S únavou v očích se suneš k hromadě trubek."},
    {"intertext(10)", 532, "Hrdě se rozhlížíš kolem."},
};

void PrintTo(const Text& t, std::ostream* os) { *os << t.widget; }

// The number of characters of well-formed UTF-8 (shortest forms, no
// surrogates, nothing above U+10FFFF); none when the bytes are not.
std::optional<int> CodePoints(const std::string& s) {
    static const std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    int count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int len = c < 0x80 ? 1 : c < 0xc2 ? 0 : c < 0xe0 ? 2 : c < 0xf0 ? 3 : c < 0xf5 ? 4 : 0;
        if (len == 0 || i + len > s.size()) return std::nullopt;
        std::uint32_t cp = len == 1 ? c : c & (0x7fu >> len);
        for (int k = 1; k < len; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xc0u) != 0x80u) return std::nullopt;
            cp = (cp << 6) | (t & 0x3fu);
        }
        if (cp < kLeast[len] || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) return std::nullopt;
        i += static_cast<std::size_t>(len);
    }
    return count;
}

// The lines of a text that hold anything, split at its CR LF breaks.
std::vector<std::string> Paragraphs(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t from = 0, at; from <= s.size(); from = at + 2) {
        at = std::min(s.find("\r\n", from), s.size());
        const std::string line = s.substr(from, at - from);
        if (line.find_first_not_of(" \t") != std::string::npos) out.push_back(line);
    }
    return out;
}

class FixedTexts : public ::testing::TestWithParam<Text> {};

TEST_P(FixedTexts, AreWellFormedOfTheirLengthAndBeginWithTheirWords) {
    const Text& t = GetParam();
    const std::string& s = FixedText(t.widget);
    const auto n = CodePoints(s);
    ASSERT_TRUE(n.has_value()) << "not UTF-8";
    EXPECT_EQ(*n, t.length) << "characters";
    EXPECT_EQ(s.rfind(t.begins, 0), 0u) << s.substr(0, 80);
    // Line breaks are CR LF, and nothing else breaks a line.
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n') {
            EXPECT_TRUE(i > 0 && s[i - 1] == '\r') << "a bare LF at byte " << i;
        }
        if (s[i] == '\r') {
            EXPECT_TRUE(i + 1 < s.size() && s[i + 1] == '\n') << "a bare CR at byte " << i;
        }
    }
    EXPECT_EQ(s.find('\0'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(HelpAndStory, FixedTexts, ::testing::ValuesIn(kTexts), [](const auto& test) {
    std::string name = test.param.widget;
    std::erase_if(name, [](unsigned char c) { return !std::isalnum(c); });
    return name;
});

TEST(FixedTexts, CharactersAreCountedOnlyInWellFormedUtf8) {
    EXPECT_EQ(CodePoints("„Otče náš"), 9);
    EXPECT_EQ(CodePoints("\tŽivotů\r\n"), 9);
    EXPECT_FALSE(CodePoints("\xc5"));           // cut short
    EXPECT_FALSE(CodePoints("\xc0\xaf"));       // an overlong slash
    EXPECT_FALSE(CodePoints("\xed\xa0\x80"));   // a surrogate
    EXPECT_FALSE(CodePoints("\x9a"));           // a lone continuation byte
}

TEST(FixedTexts, TheHelpOpensTheGameInItsSecondParagraphAndTheOutroHasTwo) {
    const auto help = Paragraphs(FixedText("naptext"));
    ASSERT_GE(help.size(), 2u);
    EXPECT_EQ(help[1].rfind("\tA zde začíná naše hra.", 0), 0u) << help[1];
    const auto outro = Paragraphs(FixedText("intertext(10)"));
    ASSERT_EQ(outro.size(), 2u);
    EXPECT_EQ(outro[1].find("A zde končí dnešní"), outro[1].find_first_not_of(" \t")) << outro[1];
}

TEST(FixedTexts, TheWindowShowsThemUnchanged) {
    Game g;
    EXPECT_EQ(g.w("naptext").caption, FixedText("naptext"));
    for (int i : TextIndices()) {
        EXPECT_EQ(g.w("intertext", i).caption, FixedText("intertext(" + std::to_string(i) + ")")) << i;
    }
}

}  // namespace
}  // namespace vr::test
