// Shared set-up for the scoring tests: winning positions and readings written in hand notation.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "core/agari_result.h"
#include "core/hand_notation.h"
#include "core/kyoku_state.h"

namespace mizaro::scoringtest {

// A scored reading with these han, fu and points, for the texts written from one.
inline AgariResult Scored(std::initializer_list<std::pair<YakuId, int>> yaku, int fu, int points) {
    AgariResult r;
    for (const auto& [id, han] : yaku) r.han.AddHan(id, han);
    r.fu = fu;
    r.points = points;
    return r;
}

inline TileKind K(const char* tile) {
    return ParseTile(tile);
}

// The hand drawn from a full wall, `win` as the tile drawn last.
inline KyokuState WinPosition(const char* hand, const char* win, int turn = 2, int reachTurn = 0) {
    KyokuState s;
    const TileCounts counts = ParseTiles(hand).counts;
    for (TileKind k = 0; k < kKinds; ++k)
        for (int i = 0; i < counts[k]; ++i) s.DrawKind(k);
    s.lastDraw = K(win);
    s.turn = turn;
    s.reachTurn = reachTurn;
    return s;
}

inline std::array<int, 3> RunFrom(const char* first) {
    const TileKind k = K(first);
    return {k, k + 1, k + 2};
}
inline std::array<int, 3> TripletOf(const char* tile) {
    const TileKind k = K(tile);
    return {k, k, k};
}

// A finished regular reading; the winning tile sits at (winMeld, winPos), -1 for the pair.
inline AgariResult Reading(std::initializer_list<std::array<int, 3>> sets, const char* pair,
                           int winMeld = 0, int winPos = 0) {
    AgariResult r;
    int i = 0;
    for (const auto& set : sets) r.melds[i++] = set;
    r.meldCount = i;
    r.pair = K(pair);
    r.winMeld = winMeld;
    r.winPos = winPos;
    return r;
}

using YakuList = std::vector<std::pair<YakuId, int>>;

// The yaku present, in id order, with their han.
inline YakuList Yaku(const YakuHan& han) {
    YakuList list;
    for (YakuId id = 0; id < kYakuCount; ++id)
        if (han.GetHan(id) != 0) list.emplace_back(id, han.GetHan(id));
    return list;
}

}  // namespace mizaro::scoringtest
