#include "core/shanten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/hand_notation.h"
#include "core/shanten_table.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

TileCounts Hand(std::string_view text) {
    ParsedTiles parsed = ParseTiles(text);
    EXPECT_TRUE(parsed.ok()) << text << ": " << parsed.error;
    return parsed.counts;
}

// The regular shanten by trying every split of the hand: 8 - 2*sets - partial sets, with at
// most four groups besides the pair, minus one when a pair is set aside.
class ExhaustiveRegular {
  public:
    int operator()(TileCounts hand) {
        hand_ = hand;
        best_ = 8;
        Search(0, 0, 0, false);
        return best_;
    }

  private:
    void Search(TileKind from, int sets, int partials, bool pair) {
        TileKind k = from;
        while (k < kKinds && hand_[k] == 0) ++k;
        if (k == kKinds) {
            best_ = std::min(best_, 8 - 2 * sets - partials - (pair ? 1 : 0));
            return;
        }
        const bool room = sets + partials < 4;
        const bool runs = IsSuited(k) && NumberOf(k) <= 7;
        if (room && Take(k, 0, 0, 3)) Search(k, sets + 1, partials, pair), Put(k, 0, 0, 3);
        if (room && runs && Take(k, 1, 2, 1)) Search(k, sets + 1, partials, pair), Put(k, 1, 2, 1);
        if (!pair && Take(k, 0, 0, 2)) Search(k, sets, partials, true), Put(k, 0, 0, 2);
        if (room && Take(k, 0, 0, 2)) Search(k, sets, partials + 1, pair), Put(k, 0, 0, 2);
        if (room && IsSuited(k) && NumberOf(k) <= 8 && Take(k, 1, 1, 1))
            Search(k, sets, partials + 1, pair), Put(k, 1, 1, 1);
        if (room && runs && Take(k, 2, 2, 1)) Search(k, sets, partials + 1, pair), Put(k, 2, 2, 1);
        --hand_[k];  // the tile stays alone
        Search(k, sets, partials, pair);
        ++hand_[k];
    }

    // Takes k and k+a and k+b (each once), or `same` copies of k when a = b = 0.
    bool Take(TileKind k, int a, int b, int same) {
        if (a == 0) {
            if (hand_[k] < same) return false;
            hand_[k] -= same;
            return true;
        }
        if (hand_[k + a] == 0 || hand_[k + b] == 0 || (a == b && hand_[k + a] < 1)) return false;
        --hand_[k], --hand_[k + a];
        if (a != b) --hand_[k + b];
        return true;
    }
    void Put(TileKind k, int a, int b, int same) {
        if (a == 0) {
            hand_[k] += same;
            return;
        }
        ++hand_[k], ++hand_[k + a];
        if (a != b) ++hand_[k + b];
    }

    TileCounts hand_{};
    int best_ = 8;
};

// The regular count step by step as the rules state it, through SuitValue: the reference the
// fast count must equal for any table, even one whose values make no sense.
class LiteralRegular {
  public:
    explicit LiteralRegular(const ShantenTable& table) : table_(table) {}

    int operator()(TileCounts hand) const {
        int total = 0;
        for (int c : hand) total += c;
        const int target = 13 - total;
        int best = 8;
        for (TileKind k = 0; k < kKinds; ++k) {
            if (hand[k] < 2) continue;
            hand[k] -= 2;
            best = std::min(best, SetsValue(hand) - 1);
            hand[k] += 2;
            if (best == target) return best;
        }
        return std::min(best, SetsValue(hand));
    }

  private:
    std::array<int, 4> SuitSets(const int* counts) const {
        int c[9];
        bool isolated[9];
        for (int i = 0; i < 9; ++i) {
            isolated[i] = counts[i] == 1;
            for (int j = std::max(0, i - 2); j <= std::min(8, i + 2); ++j)
                if (j != i && counts[j] != 0) isolated[i] = false;
        }
        int n = 0;
        std::int64_t key = 0;
        for (int i = 0; i < 9; ++i) {
            c[i] = isolated[i] ? 0 : counts[i];
            n += c[i];
            key = key * 10 + c[i];
        }
        if (n <= 1) return {0, 0, 0, 0};
        int v = table_.SuitValue(n, key);
        return {v / 1000, v % 1000 / 100, v % 100 / 10, v % 10};
    }

    int SetsValue(const TileCounts& hand) const {
        std::array<int, 4> suit[3];
        for (int s = 0; s < 3; ++s) suit[s] = SuitSets(&hand[s * 9]);
        int triples = 0, pairs = 0;
        for (TileKind k = 27; k < kKinds; ++k) {
            triples += hand[k] >= 3;
            pairs += hand[k] == 2;
        }
        int best = 8;
        for (int choice = 0; choice < 8; ++choice) {
            int m = triples, t = pairs;
            for (int s = 0; s < 3; ++s) {
                int option = (choice >> s & 1) * 2;
                m += suit[s][option];
                t += suit[s][option + 1];
            }
            if (m + t > 4) t = 4 - m;
            best = std::min(best, 8 - 2 * m - t);
        }
        return best;
    }

    const ShantenTable& table_;
};

// Deals `tiles` tiles from four copies of each kind in [first, last].
TileCounts Deal(std::mt19937& rng, int tiles, TileKind first = 0, TileKind last = kKinds - 1) {
    std::vector<TileKind> wall;
    for (TileKind k = first; k <= last; ++k) wall.insert(wall.end(), 4, k);
    TileCounts hand{};
    for (int i = 0; i < tiles; ++i) {
        std::size_t pick = i + rng() % (wall.size() - i);
        std::swap(wall[i], wall[pick]);
        ++hand[wall[i]];
    }
    return hand;
}

TEST(ShantenTest, WorkedHandsGiveEachForm) {
    struct Case {
        const char* hand;
        int regular, chiitoi, kokushi;
    };
    const Case cases[] = {
        {"123m456p789s1123z", 1, 5, 7},    {"1133m5577p99s123z", 3, 1, 7},
        {"19m19p19s1234567z", 8, 6, 0},    {"19m19p19s12345677z", 7, 5, -1},
        {"1112345678999m", 0, 4, 10},      {"123m456p789s11222z", -1, 4, 8},
        {"1122m3344p5566s77z", 3, -1, 10}, {"1111m2233p556677s", 0, 1, 11},
    };
    for (const Case& c : cases) {
        ShantenResult r = ShantenForms(Hand(c.hand));
        EXPECT_EQ(r.regular, c.regular) << c.hand;
        EXPECT_EQ(r.chiitoi, c.chiitoi) << c.hand;
        EXPECT_EQ(r.kokushi, c.kokushi) << c.hand;
        EXPECT_EQ(r.min, std::min({c.regular, c.chiitoi, c.kokushi})) << c.hand;
        EXPECT_EQ(Shanten(Hand(c.hand)), r.min) << c.hand;
    }
}

TEST(ShantenTest, ChiitoiReportsDistinctKinds) {
    int distinct = 0;
    EXPECT_EQ(ChiitoiShanten(Hand("1111m2233p556677s"), &distinct), 1);
    EXPECT_EQ(distinct, 6);
    EXPECT_EQ(ChiitoiShanten(Hand("1111m2222p3333s4z"), &distinct), 6);
    EXPECT_EQ(distinct, 4);
}

TEST(ShantenTest, HonourGroupsCountOnce) {
    // 東東東 a set, 東東 a partial set (here the pair), a lone 東 nothing.
    EXPECT_EQ(RegularShanten(Hand("123m456p789s1114z")), 0);
    EXPECT_EQ(RegularShanten(Hand("123m456p789s1145z")), 1);
    EXPECT_EQ(RegularShanten(Hand("123m456p789s1234z")), 2);
    // Four of a kind is one set and a spare tile, never two pairs.
    EXPECT_EQ(RegularShanten(Hand("1111222233334z")), 2);
}

TEST(ShantenTest, RegularMatchesExhaustiveSplitOnRandomHands) {
    std::mt19937 rng(20261207);
    ExhaustiveRegular exhaustive;
    struct Range {
        TileKind first, last;
    };
    const Range ranges[] = {{0, 33}, {0, 8}, {9, 26}, {18, 33}};
    for (const Range& range : ranges) {
        for (int tiles : {13, 14}) {
            for (int i = 0; i < 400; ++i) {
                TileCounts hand = Deal(rng, tiles, range.first, range.last);
                ASSERT_EQ(RegularShanten(hand), exhaustive(hand)) << FormatHand(hand);
            }
        }
    }
}

// The generated table's keys with random values: the fast counts must give exactly what the
// rules give, whatever the values say, so every path of the count is compared against
// LiteralRegular on it as well as on the generated table.
const ShantenTable& ScrambledTable() {
    static const ShantenTable scrambled = [] {
        EXPECT_TRUE(LoadShantenTable().opened);
        std::mt19937 rng(4242);
        testing::TempDir dir;
        const std::string path = dir.File("ShantenTable.txt");
        {
            std::ofstream out(path);
            out << ProcessShantenTable().Entries() << '\n';
            std::array<int, 9> c{};
            for (int pattern = 0; pattern < 1953125; ++pattern) {
                std::int64_t key = 0;
                int n = 0;
                for (int count : c) key = key * 10 + count, n += count;
                if (ProcessShantenTable().SuitValue(n, key) != 0)
                    out << key << ' ' << rng() % 10000 << '\n';
                for (int i = 8; i >= 0 && ++c[i] > 4; --i) c[i] = 0;
            }
        }
        ShantenTable table;
        EXPECT_GT(table.LoadFrom(path).entries, 0);
        return table;
    }();
    return scrambled;
}

TEST(ShantenTest, FastCountFollowsTheRulesForAnyTable) {
    std::mt19937 rng(4242);
    const ShantenTable* tables[] = {&ProcessShantenTable(), &ScrambledTable()};
    for (const ShantenTable* table : tables) {
        LiteralRegular literal(*table);
        for (int i = 0; i < 3000; ++i) {
            int tiles = 1 + static_cast<int>(rng() % 14);
            TileCounts hand = Deal(rng, tiles, 0, i % 2 ? 26 : kKinds - 1);
            ASSERT_EQ(RegularShanten(hand, *table), literal(hand)) << FormatHand(hand);
        }
    }
}

// Every suit pattern, in each suit in turn, beside a few random tiles of the other parts, counts
// as the rules say: the classes and their tables change no count. The scrambled table, whose
// classes are too many for tables, takes a sample.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr std::uint32_t kPatternStride = 61;
#else
constexpr std::uint32_t kPatternStride = 1;
#endif

TEST(ShantenTest, EverySuitPatternCountsAsTheRulesSay) {
    std::mt19937 rng(77);
    const ShantenTable* tables[] = {&ProcessShantenTable(), &ScrambledTable()};
    for (const ShantenTable* table : tables) {
        LiteralRegular literal(*table);
        const std::uint32_t stride = kPatternStride * (table == tables[0] ? 1 : 17);
        for (std::uint32_t pattern = 0; pattern < kSuitPatterns; pattern += stride) {
            const int suit = static_cast<int>(pattern % 3);
            TileCounts hand{};
            for (int tiles = static_cast<int>(rng() % 6); tiles > 0; --tiles) {
                const auto k = static_cast<TileKind>(rng() % (kKinds - 9));
                const TileKind other = k < suit * 9 ? k : k + 9;  // any part but the pattern's
                if (hand[other] < 4) ++hand[other];
            }
            for (int i = 0, rest = static_cast<int>(pattern); i < 9; ++i, rest /= 5)
                hand[suit * 9 + 8 - i] = rest % 5;
            ASSERT_EQ(RegularShanten(hand, *table), literal(hand)) << FormatHand(hand);
        }
    }
}

// Every way to hold the honours, beside a few random suited tiles, gives each form as the rules
// say: the honours' facts are read in two parts.
TEST(ShantenTest, EveryHonourPatternCountsAsTheRulesSay) {
    std::mt19937 rng(78);
    LiteralRegular literal(ProcessShantenTable());
    TileCounts hand{};
    for (int pattern = 0; pattern < 78125; ++pattern) {
        for (TileKind k = 0; k < 27; ++k) hand[k] = 0;
        for (int tiles = static_cast<int>(rng() % 4); tiles > 0; --tiles) ++hand[rng() % 27];
        int kinds = 0, pairs = 0, orphans = 0, orphanPair = 0;
        for (TileKind k = 0; k < kKinds; ++k) {
            kinds += hand[k] > 0;
            pairs += hand[k] >= 2;
            const bool orphan = k >= 27 || k % 9 == 0 || k % 9 == 8;
            orphans += orphan && hand[k] > 0;
            orphanPair |= orphan && hand[k] >= 2;
        }
        const ShantenResult r = ShantenForms(hand);
        ASSERT_EQ(r.chiitoi, 6 - pairs + std::max(0, 7 - kinds)) << FormatHand(hand);
        ASSERT_EQ(r.kokushi, 13 - orphans - orphanPair) << FormatHand(hand);
        ASSERT_EQ(r.regular, literal(hand)) << FormatHand(hand);
        for (TileKind k = kKinds - 1; k >= 27 && ++hand[k] > 4; --k) hand[k] = 0;
    }
}

TEST(ShantenTest, BuiltCompleteHandsCountMinusOne) {
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        // Four sets and a pair, each within the four copies of a kind.
        TileCounts hand{};
        int groups = 0;
        while (groups < 4) {
            TileKind k = static_cast<TileKind>(rng() % kKinds);
            bool run = rng() % 2 == 1 && IsSuited(k) && NumberOf(k) <= 7;
            if (run && hand[k] < 4 && hand[k + 1] < 4 && hand[k + 2] < 4) {
                ++hand[k], ++hand[k + 1], ++hand[k + 2], ++groups;
            } else if (!run && hand[k] <= 1) {
                hand[k] += 3, ++groups;
            }
        }
        TileKind pair = static_cast<TileKind>(rng() % kKinds);
        while (hand[pair] > 2) pair = (pair + 1) % kKinds;
        hand[pair] += 2;
        ASSERT_EQ(RegularShanten(hand), -1) << FormatHand(hand);
        ASSERT_EQ(Shanten(hand), -1) << FormatHand(hand);
    }
    for (int i = 0; i < 200; ++i) {
        std::vector<TileKind> kinds(kKinds);
        for (TileKind k = 0; k < kKinds; ++k) kinds[k] = k;
        std::shuffle(kinds.begin(), kinds.end(), rng);
        TileCounts pairs{};
        for (int p = 0; p < 7; ++p) pairs[kinds[p]] = 2;
        ASSERT_EQ(ChiitoiShanten(pairs), -1) << FormatHand(pairs);
        ASSERT_EQ(Shanten(pairs), -1) << FormatHand(pairs);
    }
    const TileKind orphans[] = {0, 8, 9, 17, 18, 26, 27, 28, 29, 30, 31, 32, 33};
    for (TileKind extra : orphans) {
        TileCounts hand = Hand("19m19p19s1234567z");
        ++hand[extra];
        EXPECT_EQ(KokushiShanten(hand), -1) << FormatHand(hand);
        EXPECT_EQ(Shanten(hand), -1) << FormatHand(hand);
    }
}

TEST(ShantenTest, CandidatesIncludeEveryDrawThatLowersTheCount) {
    std::mt19937 rng(99);
    for (int i = 0; i < 1500; ++i) {
        TileCounts hand = Deal(rng, 13, 0, i % 3 == 0 ? 8 : kKinds - 1);
        Candidates candidates = EffectiveCandidates(hand);
        ASSERT_EQ(candidates.shanten, Shanten(hand));
        for (TileKind k = 0; k < kKinds; ++k) {
            if (hand[k] == 4) continue;
            ++hand[k];
            bool lowers = Shanten(hand) < candidates.shanten;
            --hand[k];
            ASSERT_TRUE(!lowers || candidates.flags[k]) << FormatHand(hand) << " + " << k;
        }
    }
}

// The flagged kinds written as a hand, one tile per kind.
std::string Flagged(std::string_view hand) {
    Candidates candidates = EffectiveCandidates(Hand(hand));
    TileCounts flagged{};
    for (TileKind k = 0; k < kKinds; ++k) flagged[k] = candidates.flags[k] ? 1 : 0;
    return FormatHand(flagged);
}

TEST(ShantenTest, CandidatesFollowTheFormsAtTheMinimum) {
    // Thirteen orphans alone at the minimum: every orphan held at most once, not the 5.
    EXPECT_EQ(Flagged("19m19p19s123456z5m"), "19m19p19s1234567z");
    // Seven pairs with seven kinds: only the single can become a pair.
    EXPECT_EQ(Flagged("1155m99p1133557z"), "7z");
    // Regular: each held suited tile flags its suit within distance 2, a held honour itself.
    EXPECT_EQ(Flagged("1m8p123456789s11z"), "123m6789p123456789s1z");
}

// The counts of changed hands read only the part that changed; each must equal the rules'
// count of the changed hand, for honours, pairs and the orphans as well, and whatever the table
// says (its values decide when the order of the pair places matters).
class ChangedCounts {
  public:
    explicit ChangedCounts(const ShantenTable& table) : table_(table), literal_(table) {}

    int Rules(const TileCounts& hand) const {
        return std::min({literal_(hand), ChiitoiShanten(hand), KokushiShanten(hand)});
    }

    // `without` as ShantenOfDiscards leaves it for `hand`, starting from 99 everywhere.
    void ExpectDiscards(const TileCounts& hand, TileKind skip,
                        const std::array<int, kKinds>& without) const {
        for (TileKind k = 0; k < kKinds; ++k) {
            if (k == skip || hand[k] == 0) {
                EXPECT_EQ(without[k], 99) << FormatHand(hand) << " - " << k;
                continue;
            }
            TileCounts less = hand;
            --less[k];
            ASSERT_EQ(without[k], Rules(less)) << FormatHand(hand) << " - " << k;
        }
    }

    const ShantenTable& table_;

  private:
    LiteralRegular literal_;
};

TEST(ShantenTest, DiscardCountsFollowTheRules) {
    std::mt19937 rng(1234);
    const ShantenTable* tables[] = {&ProcessShantenTable(), &ScrambledTable()};
    for (const ShantenTable* table : tables) {
        ChangedCounts check(*table);
        for (int i = 0; i < 3000; ++i) {
            const int tiles = i % 4 == 3 ? 1 + static_cast<int>(rng() % 15) : 14;
            const TileCounts hand =
                i == 0 ? Hand("19m19p19s1234567z5m")
                       : Deal(rng, tiles, i % 3 == 1 ? 18 : 0, i % 3 == 0 ? 8 : kKinds - 1);
            const TileKind skip = static_cast<TileKind>(rng() % kKinds);
            std::array<int, kKinds> without;
            without.fill(99);
            ShantenOfDiscards(hand, skip, without, *table);
            check.ExpectDiscards(hand, skip, without);
        }
    }
}

// The search's own pattern around a hand between draws: every draw, then every discard after it.
TEST(ShantenTest, CountsAroundAHandFollowTheRules) {
    std::mt19937 rng(4321);
    const ShantenTable* tables[] = {&ProcessShantenTable(), &ScrambledTable()};
    for (const ShantenTable* table : tables) {
        ChangedCounts check(*table);
        for (int i = 0; i < 200; ++i) {
            const int tiles = i % 4 == 3 ? 1 + static_cast<int>(rng() % 14) : 13;
            const TileCounts hand =
                i == 0   ? Hand("19m19p19s123456z5m")
                : i == 1 ? Hand("1111m258p369s123z")
                         : Deal(rng, tiles, i % 3 == 1 ? 18 : 0, i % 3 == 0 ? 8 : kKinds - 1);
            const ShantenAround around(hand, *table);
            ASSERT_EQ(around.Effective().shanten, check.Rules(hand)) << FormatHand(hand);
            if (table == &ProcessShantenTable()) {
                ASSERT_EQ(around.Effective().flags, EffectiveCandidates(hand).flags);
            }
            // The search relies on a discard never lowering a count and a draw lowering it by
            // one at most: true of the real table, not of a scrambled one.
            const bool real = table == &ProcessShantenTable();
            const int shanten = around.Effective().shanten;
            for (TileKind k = 0; k < kKinds; ++k) {
                if (hand[k] == 0) continue;
                TileCounts less = hand;
                --less[k];
                ASSERT_EQ(around.AfterDiscard(k), check.Rules(less))
                    << FormatHand(hand) << " - " << k;
                if (real) {
                    ASSERT_GE(around.AfterDiscard(k), shanten) << FormatHand(hand) << k;
                }
            }
            for (TileKind drawn = 0; drawn < kKinds; ++drawn) {
                // A kind held four times has no tile left to draw: the hand stays as it is.
                TileCounts more = hand;
                if (hand[drawn] < 4) ++more[drawn];
                ASSERT_EQ(around.AfterDraw(drawn), check.Rules(more)) << FormatHand(more);
                if (real) {
                    ASSERT_GE(around.AfterDraw(drawn), shanten - 1) << FormatHand(more);
                }
                std::array<int, kKinds> without;
                without.fill(99);
                around.AfterExchange(drawn, without);
                check.ExpectDiscards(more, drawn, without);
                // Asked for some discards only, it counts those and leaves the rest alone.
                const std::uint64_t among = (std::uint64_t{rng()} << 32 | rng());
                std::array<int, kKinds> some;
                some.fill(99);
                around.AfterExchange(drawn, some, among);
                for (TileKind k = 0; k < kKinds; ++k)
                    ASSERT_EQ(some[k], among >> k & 1 ? without[k] : 99) << FormatHand(more) << k;
            }
        }
    }
}

}  // namespace
}  // namespace mizaro
