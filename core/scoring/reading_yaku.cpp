#include "core/scoring/reading_yaku.h"

#include <algorithm>
#include <cstdint>

namespace mizaro {

namespace {

constexpr int kSets = 4;

// The runs of a reading by their first kinds. A reading has four sets, so a short list and a
// bit mask beat a table over all kinds.
struct Runs {
    std::array<TileKind, kSets> first{};
    int count = 0;
    std::uint32_t starts = 0;  // bit k: some run starts at kind k

    bool StartsAt(TileKind k) const { return (starts >> k) & 1U; }
};

Runs RunsOf(const AgariResult& r) {
    Runs runs;
    for (const auto& set : r.melds) {
        if (IsTriplet(set) || !IsSuited(set[0])) continue;
        runs.first[runs.count++] = set[0];
        runs.starts |= std::uint32_t{1} << set[0];
    }
    return runs;
}

int TripletsWhere(const AgariResult& r, bool (*pred)(TileKind)) {
    int n = 0;
    for (const auto& set : r.melds) n += IsTriplet(set) && pred(set[0]);
    return n;
}

bool IsFirstOfSuit(TileKind k) {
    return IsSuited(k) && k % 9 == 0;
}
bool IsSevenOfSuit(TileKind k) {
    return IsSuited(k) && k % 9 == 6;
}

}  // namespace

void TestPeikou(AgariResult& r) {
    const Runs runs = RunsOf(r);
    int most = 0, least = kSets + 1;
    for (int i = 0; i < runs.count; ++i) {
        int same = 0;
        for (int j = 0; j < runs.count; ++j) same += runs.first[j] == runs.first[i];
        most = std::max(most, same);
        least = std::min(least, same);
    }
    // Three or four identical runs count as neither.
    if (most != 2) return;
    if (runs.count == kSets && least == most)
        r.han.AddHan(yaku::kRyanpeikou, 3);
    else
        r.han.AddHan(yaku::kIipeikou, 1);
}

void TestPinfu(AgariResult& r) {
    for (const auto& set : r.melds)
        if (IsTriplet(set)) return;
    if (r.winMeld < 0 || r.winMeld >= kSets || r.winPos == 1) return;
    // Won on the edge of 1-2-3 or 7-8-9 the wait was a single-sided one.
    const TileKind first = r.melds[r.winMeld][0];
    if (r.winPos == 0 && IsSevenOfSuit(first)) return;
    if (r.winPos == 2 && IsFirstOfSuit(first)) return;
    if (IsDragon(r.pair) || r.pair == r.roundWind || r.pair == r.seatWind) return;
    r.han.AddHan(yaku::kPinfu, 1);
}

void TestYakuhai(AgariResult& r) {
    int t = 0;
    for (const auto& set : r.melds) {
        if (!IsTriplet(set)) continue;
        // The dealer's East is both round and seat wind, so it counts twice.
        t += IsDragon(set[0]) + (set[0] == r.roundWind) + (set[0] == r.seatWind);
    }
    if (t > 0) r.han.AddHan(yaku::kYakuhai, t);
}

void TestChanta(AgariResult& r) {
    if (IsSimple(r.pair)) return;
    bool honour = IsHonour(r.pair);
    for (const auto& set : r.melds) {
        bool outer = false;
        for (TileKind k : set) {
            outer = outer || IsTerminalOrHonour(k);
            honour = honour || IsHonour(k);
        }
        if (!outer) return;
    }
    if (honour)
        r.han.AddHan(yaku::kChanta, 2);
    else
        r.han.AddHan(yaku::kJunchan, 3);
}

void TestIttsu(AgariResult& r) {
    const Runs runs = RunsOf(r);
    for (int suit = 0; suit < 3; ++suit) {
        const TileKind one = suit * 9;
        if (runs.StartsAt(one) && runs.StartsAt(one + 3) && runs.StartsAt(one + 6)) {
            r.han.AddHan(yaku::kIttsu, 2);
            return;
        }
    }
}

void TestSanshoku(AgariResult& r) {
    const Runs runs = RunsOf(r);
    for (int n = 0; n < 9; ++n) {
        if (runs.StartsAt(n) && runs.StartsAt(n + 9) && runs.StartsAt(n + 18)) {
            r.han.AddHan(yaku::kSanshoku, 2);
            return;
        }
    }
}

void TestSanshokuKou(AgariResult& r) {
    std::uint32_t triplets = 0;
    for (const auto& set : r.melds)
        if (IsTriplet(set) && IsSuited(set[0])) triplets |= std::uint32_t{1} << set[0];
    for (int n = 0; n < 9; ++n) {
        const std::uint32_t colours = (1U << n) | (1U << (n + 9)) | (1U << (n + 18));
        if ((triplets & colours) == colours) {
            r.han.AddHan(yaku::kSanshokuKou, 2);
            return;
        }
    }
}

void TestAnkou(AgariResult& r) {
    // Every win is self-drawn and nothing is called, so every triplet is concealed.
    const int triplets = TripletsWhere(r, [](TileKind) { return true; });
    if (triplets == kSets)
        r.han.AddHan(yaku::kSuuankou, r.winMeld == kNoTile ? 26 : 13);
    else if (triplets == 3)
        r.han.AddHan(yaku::kSanankou, 2);
}

void TestSangen(AgariResult& r) {
    const int s = 3 * TripletsWhere(r, IsDragon) + (IsDragon(r.pair) ? 2 : 0);
    if (s == 8)
        r.han.AddHan(yaku::kShousangen, 2);
    else if (s == 9)
        r.han.AddHan(yaku::kDaisangen, 13);
}

void TestSuushii(AgariResult& r) {
    const int s = 3 * TripletsWhere(r, IsWind) + (IsWind(r.pair) ? 2 : 0);
    if (s == 11)
        r.han.AddHan(yaku::kShousuushii, 13);
    else if (s == 12)
        r.han.AddHan(yaku::kDaisuushii, 26);
}

}  // namespace mizaro
