// DetailAnalysis (詳細解析): the recorded games of one player replayed one by one, narrowed by
// the user's filters and summed into the totals the detailed-analysis pages show.
//
// The replay is the slow part (one search per riichi game), so it runs once per analysis, on
// worker threads; the filters and sums only read the replayed games and answer at once.
#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "analysis/search_cache.h"
#include "core/kyoku_state.h"
#include "core/yaku_han.h"
#include "stats/game_record.h"

namespace mizaro {

inline constexpr int kTurnIndex = kMaxTurns + 1;  // arrays indexed by turn 1..18; 0 unused
inline constexpr int kShantenValues = 7;          // 0..6: a 14-tile hand is never further off
inline constexpr int kMaxPointRows = 100;
inline constexpr int kProgressScale = 10000;  // progress in units of 0.01 %

using TurnCounts = std::array<int, kTurnIndex>;

// One record replayed: what the hand went through turn by turn.
struct ReplayedGame {
    GameRecord record;
    int points = 0;  // of the win; 0 when not won
    // Shanten of the 14 tiles right after the draw of each turn; -1 at the winning turn and
    // every turn after it. Slot 0 is unused.
    std::array<int, kTurnIndex> shantenAt;
    int readyTurn = 0;  // first turn whose shantenAt is 0; 0 = never
    int reachTurn = 0;  // 0 = no riichi
    int winTurn = 0;    // 0 = not won
    TileKind winTile = kNoTile;
    std::array<TileKind, kDealtTiles> reachHand{};  // ascending, when reachTurn > 0
    double reachEv = 0.0;  // the search's expected points of the riichi position
    std::array<int, kYakuCount> yakuHan{};

    ReplayedGame() { shantenAt.fill(-1); }
};

// The filter values; the window keeps them in the settings under the keys Filter*.
struct DetailFilter {
    int kyoku = 1000;  // the most recent this many of the games that pass the rest
    int hai1 = -1;     // inclusive range of the shanten after the first draw
    int hai2 = 6;
    int last1 = -1;  // inclusive range of the shanten after the 18th draw (-1: won)
    int last2 = 6;
    int reach1 = 1;  // games with riichi may pass
    int reach0 = 1;  // games without riichi may pass
    int mode = kModeNormal;
    int yakuMode = 0;                                 // 0 = AND, 1 = OR over the selected yaku
    std::string yaku = std::string(kYakuCount, '0');  // '1' at each selected YakuId
};

// One distinct winning score among the selected games.
struct PointRow {
    int points = 0;
    int count = 0;
    TurnCounts byTurn{};  // wins by winning turn
};

struct DetailTotals {
    int gameCount = 0;  // selected games
    double avgPoints = 0.0;
    double predictedEv = 0.0;  // riichi games at the search's value, dama wins at their points
    double avgWinPoints = 0.0;
    int readyCount = 0;
    double readyRate = 0.0;
    double avgReadyTurn = 0.0;
    int reachCount = 0;
    double reachRate = 0.0;
    double avgReachTurn = 0.0;
    int winCount = 0;
    double winRate = 0.0;
    double avgWinTurn = 0.0;
    int reachWinCount = 0;
    double reachWinRate = 0.0;
    int notReadyCount = 0;
    double notReadyRate = 0.0;

    TurnCounts aliveAt{};
    TurnCounts readyAt{};
    TurnCounts reachAt{};
    TurnCounts winAt{};

    std::array<std::array<int, kShantenValues>, kTurnIndex> shantenCount{};
    std::array<int, kShantenValues> shantenTotal{};
    // [shanten][change + 1]: how often the next draw found the hand one lower, equal, one higher.
    std::array<std::array<int, 3>, kShantenValues> shantenMove{};

    std::vector<PointRow> pointRows;  // ascending points, at most kMaxPointRows

    std::array<int, kKinds> dealtCount{};
    int dealtTotal = 0;
    std::array<double, kKinds> dealtRatio{};  // 1.0 = the average share of a kind
    std::array<int, kKinds> reachHandCount{};
    int reachHandTotal = 0;
    std::array<double, kKinds> reachHandRatio{};
    std::array<int, kKinds> winTileCount{};
    int winTileTotal = 0;
    std::array<double, kKinds> winTileRatio{};

    int wonGames = 0;
    std::array<int, kYakuCount> yakuWins{};
    std::array<double, kYakuCount> yakuShareAll{};   // percent of the selected games
    std::array<double, kYakuCount> yakuShareWins{};  // percent of the selected wins
};

class DetailAnalysis {
  public:
    // Replays every record on up to `jobs` threads; `games` gets the replayed ones in record
    // order. A record that cannot be replayed faithfully is left out and counted in `skipped`.
    // A stop (cancelRequested, tested before each game) leaves out the records not yet
    // replayed. The result does not depend on `jobs`.
    void ReplayAll(const std::vector<GameRecord>& records, int jobs = 1);
    // Fills `game` from its record on a fresh Normal-mode state. False, with `game` at its
    // initial values, for a record that cannot be replayed faithfully.
    static bool Replay(ReplayedGame& game);
    // The same with the search memo of the game replayed before on this thread, emptied and
    // handed on, so that thousands of small searches in turn allocate nothing after the first.
    static bool Replay(ReplayedGame& game, std::unique_ptr<SearchCache>& memo);

    // Rebuilds `selected` from `games` and `filter`.
    void ApplyFilter();
    bool YakuMatches(const ReplayedGame& game) const;
    // Recomputes `totals` from `selected`.
    void Aggregate();

    // The progress window's view of a running replay; safe to call from any thread.
    std::string ProgressText() const;

    std::vector<ReplayedGame> games;
    std::vector<const ReplayedGame*> selected;  // into `games`
    DetailFilter filter;
    DetailTotals totals;
    int skipped = 0;

    std::atomic<bool> cancelRequested{false};
    std::atomic<int> progress{0};  // 0..kProgressScale
    // Called on a replaying thread after each few games it has counted in `progress`, so a
    // caller can act at a known point of the replay rather than whenever its polling happens to
    // look. Several threads may call it at once.
    std::function<void()> onProgress;

  private:
    void SetProgressText(std::string text);
    void ReportStart(int index, int count);
    void ReportFinished(int finished, int count);
    void SumGames();
    void SumPoints();
    void SumTiles();
    void SumYaku();

    mutable std::mutex textLock_;
    std::string progressText_;
};

}  // namespace mizaro
