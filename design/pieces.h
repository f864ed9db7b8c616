// The nine pipe pieces, written once: the sides each opens to, the channels
// it carries (the cross and the double elbows carry two), the picture of a
// two-channel piece with one channel full, and the pieces in words. The
// water's steps, the pictures the game shows, the words a screen reader
// speaks, the benchmarks' pipeline and the picture generator all read it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vr {

// The sides of a cell a pipe opens to, as bits; a channel is the pair of
// openings it joins.
enum Opening : std::uint8_t { kTop = 1, kBottom = 2, kLeft = 4, kRight = 8 };

struct PieceChannel {
    int openings;       // two of kTop, kBottom, kLeft, kRight
    const char* words;  // the way it runs, "zleva dolů"
};

struct PieceKind {
    std::array<PieceChannel, 2> channels;  // the second {0, ""} on a one-channel piece
    const char* noun;                      // "koleno"
    const char* full;                      // the piece full of water, in words
    const char* on;                        // "ventil na koleni ...": a valve on it, or water in one channel of it
};

inline constexpr int kPieceCount = 9;
// Pieces 0..5 carry one channel and may be valves; 6..8 carry two.
inline constexpr int kValveShapes = 6;

inline constexpr std::array<PieceKind, kPieceCount> kPieces{{
    {{{{kLeft | kRight, "zleva doprava"}, {}}}, "rovná trubka", "plná vody", "rovné trubce"},
    {{{{kTop | kBottom, "shora dolů"}, {}}}, "rovná trubka", "plná vody", "rovné trubce"},
    {{{{kLeft | kBottom, "zleva dolů"}, {}}}, "koleno", "plné vody", "koleni"},
    {{{{kRight | kBottom, "zprava dolů"}, {}}}, "koleno", "plné vody", "koleni"},
    {{{{kLeft | kTop, "zleva nahoru"}, {}}}, "koleno", "plné vody", "koleni"},
    {{{{kRight | kTop, "zprava nahoru"}, {}}}, "koleno", "plné vody", "koleni"},
    {{{{kLeft | kRight, "zleva doprava"}, {kTop | kBottom, "shora dolů"}}},
     "křížení trubek",
     "voda v obou trubkách",
     "trubce"},
    {{{{kTop | kRight, "shora doprava"}, {kLeft | kBottom, "zleva dolů"}}},
     "dvojité koleno",
     "voda v obou kolenech",
     "koleni"},
    {{{{kTop | kLeft, "shora doleva"}, {kRight | kBottom, "zprava dolů"}}},
     "dvojité koleno",
     "voda v obou kolenech",
     "koleni"},
}};

constexpr bool TwoChannels(int id) { return kPieces[static_cast<std::size_t>(id)].channels[1].openings != 0; }

// The openings a piece has on any of its channels.
constexpr int Openings(int id) {
    const auto& c = kPieces[static_cast<std::size_t>(id)].channels;
    return c[0].openings | c[1].openings;
}

// Whether a piece has a channel joining these two openings.
constexpr bool Carries(int id, int openings) {
    const auto& c = kPieces[static_cast<std::size_t>(id)].channels;
    return c[0].openings == openings || c[1].openings == openings;
}

// The water picture voda(9) to voda(14): two-channel piece `id` with only its
// channel `channel` (0 or 1) full.
constexpr int HalfFullPicture(int id, int channel) { return 9 + 2 * (id - kValveShapes) + channel; }

// The one-channel piece joining two openings; -1 where none does.
constexpr int PieceJoining(int openings) {
    for (int id = 0; id < kValveShapes; ++id) {
        if (kPieces[static_cast<std::size_t>(id)].channels[0].openings == openings) return id;
    }
    return -1;
}

}  // namespace vr
