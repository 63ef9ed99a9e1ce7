// Shanten: how many tile exchanges a concealed hand is from ready (0 ready, -1 complete),
// for the regular form (four sets and a pair), seven pairs and thirteen orphans.
//
// The regular form reads per-suit arrangements from the shanten table (core/shanten_table.h),
// which the first count loads if nobody did before, so no decomposition runs here; this is the
// hottest function of the analysis search and never allocates. A hand is any number of tiles,
// each kind held 0..4 times; the game counts 13 and 14.
#pragma once

#include <array>

#include "core/tile.h"

namespace mizaro {

struct ShantenResult {
    int regular = 8;
    int chiitoi = 6;
    int kokushi = 13;
    int min = 6;  // the smallest of the three
};

class ShantenTable;

int RegularShanten(const TileCounts& hand);
// The same count against a given table rather than the process's own.
int RegularShanten(const TileCounts& hand, const ShantenTable& table);
int ChiitoiShanten(const TileCounts& hand, int* distinctKinds = nullptr);
int KokushiShanten(const TileCounts& hand);

ShantenResult ShantenForms(const TileCounts& hand);
int Shanten(const TileCounts& hand);

// In `without[k]`, for every kind k held other than `skip`, the shanten of the hand less one
// tile of kind k; the other entries are left as they are. The hand is scanned once, what lies
// outside a suit is combined once for all the discards of that suit, and each discard reads
// only its own suit again, so this is far cheaper than one count per discard.
void ShantenOfDiscards(const TileCounts& hand, TileKind skip, std::array<int, kKinds>& without);
// The same counts against a given table rather than the process's own.
void ShantenOfDiscards(const TileCounts& hand, TileKind skip, std::array<int, kKinds>& without,
                       const ShantenTable& table);

// The minimum shanten and the kinds whose draw may lower it (a superset of the kinds that do).
struct Candidates {
    int shanten = 8;
    std::array<bool, kKinds> flags{};
};
Candidates EffectiveCandidates(const TileCounts& hand);

}  // namespace mizaro
