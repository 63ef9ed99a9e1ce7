#include "analysis/search_cache.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/hand_notation.h"
#include "core/kyoku_state.h"

namespace mizaro {
namespace {

// The packed key must tell positions apart exactly as the text key does: the slack letter,
// the 34 hand counts and, for a winning position, the winning tile.
TEST(SearchKey, EqualExactlyWhenTheTextKeysAreEqual) {
    std::mt19937 random(7);
    struct Entry {
        SearchKey key;
        std::string text;
    };
    std::vector<Entry> entries;
    KyokuState s;
    for (int n = 0; n < 60; ++n) {
        // Neighbouring hands: a few tiles moved between two kinds, so that near misses occur.
        if (n % 4 == 0) {
            s.hand.fill(0);
            for (int t = 0; t < 14; ++t) {
                TileKind k = static_cast<TileKind>(random() % kKinds);
                if (s.hand[k] < 4) ++s.hand[k];
            }
        } else {
            TileKind from = static_cast<TileKind>(random() % kKinds);
            TileKind to = static_cast<TileKind>(random() % kKinds);
            if (s.hand[from] > 0 && s.hand[to] < 4) --s.hand[from], ++s.hand[to];
        }
        for (int slack = kMinKeySlack; slack <= 1; ++slack) {
            const bool winning = slack == kMinKeySlack;
            s.lastDraw = static_cast<TileKind>(random() % 3 + 31);  // a few draws repeat
            entries.push_back({MakeSearchKey(s.hand, slack, winning ? s.lastDraw : kNoTile),
                               s.PositionKey(winning, slack)});
        }
    }
    // Every count 0..4 at the first and the last kind of each word survives packing.
    for (TileKind k : {0, 20, 21, 33}) {
        for (int c = 0; c <= 4; ++c) {
            s.hand.fill(0);
            s.hand[k] = c;
            entries.push_back({MakeSearchKey(s.hand, 0, kNoTile), s.PositionKey(false, 0)});
        }
    }
    int equalPairs = 0;
    for (std::size_t a = 0; a < entries.size(); ++a)
        for (std::size_t b = a + 1; b < entries.size(); ++b) {
            const bool sameText = entries[a].text == entries[b].text;
            EXPECT_EQ(entries[a].key == entries[b].key, sameText)
                << entries[a].text << " / " << entries[b].text;
            equalPairs += sameText;
        }
    EXPECT_GT(equalPairs, 0);  // the comparison saw equal keys as well as distinct ones
}

// The search moves keys by one tile at a time instead of packing each hand afresh.
TEST(SearchKey, OneTileMovesMatchAFreshKey) {
    std::mt19937 random(11);
    TileCounts hand{};
    SearchKey key = HandKey(hand);
    for (int n = 0; n < 2000; ++n) {
        const TileKind k = static_cast<TileKind>(random() % kKinds);
        if (hand[k] < 4 && (random() % 2 || hand[k] == 0)) {
            ++hand[k];
            key = AddTile(key, k);
        } else if (hand[k] > 0) {
            --hand[k];
            key = RemoveTile(key, k);
        }
        ASSERT_EQ(key, HandKey(hand)) << n;
        const int slack = static_cast<int>(random() % 3) - 1;
        EXPECT_EQ(WithSlack(key, slack, slack < 0 ? k : kNoTile),
                  MakeSearchKey(hand, slack, slack < 0 ? k : kNoTile));
    }
}

// The memo tells the hands one tile short of the base from every other by arithmetic on the
// packed keys; a literal comparison of the counts must agree, whatever the slack and draw bits.
TEST(SearchCache, FindsTheHandsOneTileShortOfTheBase) {
    std::mt19937 random(13);
    auto randomKind = [&] { return static_cast<TileKind>(random() % kKinds); };
    int shortOfBase = 0;
    for (int n = 0; n < 3000; ++n) {
        KyokuState base;
        base.hand = {};
        for (int tiles = 0; tiles < 14;) {
            const TileKind k = randomKind();
            if (base.hand[k] < 4) ++base.hand[k], ++tiles;
        }
        SearchCache cache;
        cache.SetBase(base);
        // Mostly the base less one tile, then perhaps one tile exchanged for another.
        TileCounts hand = base.hand;
        for (int removed = 0; removed < 1;) {
            const TileKind k = randomKind();
            if (hand[k] > 0) --hand[k], ++removed;
        }
        if (random() % 2) {
            const TileKind in = randomKind(), out = randomKind();
            if (hand[in] < 4 && hand[out] > 0 && in != out) ++hand[in], --hand[out];
        }
        bool literal = true;
        for (TileKind k = 0; k < kKinds; ++k) literal = literal && hand[k] <= base.hand[k];
        const int slack = static_cast<int>(random() % 3) - 1;
        const SearchKey key = MakeSearchKey(hand, slack, slack < 0 ? randomKind() : kNoTile);
        ASSERT_EQ(cache.IsBaseLessOne(key), literal) << FormatHand(hand);
        shortOfBase += literal;
    }
    EXPECT_GT(shortOfBase, 1000);  // both answers were met many times
    EXPECT_LT(shortOfBase, 2700);
}

}  // namespace
}  // namespace mizaro
