// Writes ShantenTable.txt: for every one-suit pattern that the shanten count can look up, the
// two arrangements into complete sets (S) and partial sets (P) that it combines.
//
// A pattern is nine counts 0..4 (the 1 first) holding 2..14 tiles and no isolated single tile
// (a count of 1 with nothing else within distance 2). Its key is the counts read as a decimal
// number; its value is S1*1000 + P1*100 + S2*10 + P2 where (S1, P1) has the most sets and then
// the most partial sets, and (S2, P2) the largest 2S + P and then the most sets.
//
// Both optima are found by one dynamic programme over patterns: the lowest tile either joins
// a set or partial set that starts at it, or stays alone. Lexicographic order is kept under
// adding a group, so each objective can be maximised on its own.
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPatterns = 1953125;  // 5^9

struct Arrangement {
    signed char sets = -1;  // -1: not computed yet
    signed char partials = 0;
};

using Counts = std::array<int, 9>;

int Index(const Counts& c) {
    int idx = 0;
    for (int i = 0; i < 9; ++i) idx = idx * 5 + c[i];
    return idx;
}

// better(a, b): whether a beats b under objective 0 (sets, partials) or 1 (2S+P, sets).
bool Better(int objective, int s1, int p1, int s2, int p2) {
    if (objective == 0) return s1 != s2 ? s1 > s2 : p1 > p2;
    int v1 = 2 * s1 + p1, v2 = 2 * s2 + p2;
    return v1 != v2 ? v1 > v2 : s1 > s2;
}

class Solver {
  public:
    explicit Solver(int objective) : objective_(objective), memo_(kPatterns) {}

    Arrangement Best(Counts& c) {
        int first = 0;
        while (first < 9 && c[first] == 0) ++first;
        if (first == 9) return {0, 0};
        Arrangement& slot = memo_[Index(c)];
        if (slot.sets >= 0) return slot;

        Arrangement best{-1, 0};
        auto consider = [&](int addS, int addP) {
            Arrangement rest = Best(c);
            int s = rest.sets + addS, p = rest.partials + addP;
            if (best.sets < 0 || Better(objective_, s, p, best.sets, best.partials))
                best = {static_cast<signed char>(s), static_cast<signed char>(p)};
        };
        int i = first;
        // Triplet, pair.
        if (c[i] >= 3) {
            c[i] -= 3;
            consider(1, 0);
            c[i] += 3;
        }
        if (c[i] >= 2) {
            c[i] -= 2;
            consider(0, 1);
            c[i] += 2;
        }
        // Run, and the two partial runs.
        if (i + 2 < 9 && c[i + 1] > 0 && c[i + 2] > 0) {
            --c[i];
            --c[i + 1];
            --c[i + 2];
            consider(1, 0);
            ++c[i];
            ++c[i + 1];
            ++c[i + 2];
        }
        if (i + 1 < 9 && c[i + 1] > 0) {
            --c[i];
            --c[i + 1];
            consider(0, 1);
            ++c[i];
            ++c[i + 1];
        }
        if (i + 2 < 9 && c[i + 2] > 0) {
            --c[i];
            --c[i + 2];
            consider(0, 1);
            ++c[i];
            ++c[i + 2];
        }
        // The tile stays alone.
        --c[i];
        consider(0, 0);
        ++c[i];

        slot = best;
        return best;
    }

  private:
    int objective_;
    std::vector<Arrangement> memo_;
};

bool HasIsolatedSingle(const Counts& c) {
    for (int i = 0; i < 9; ++i) {
        if (c[i] != 1) continue;
        bool alone = true;
        for (int j = i - 2; j <= i + 2; ++j)
            if (j != i && j >= 0 && j < 9 && c[j] > 0) alone = false;
        if (alone) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_shanten_table <output file>\n");
        return 2;
    }
    Solver mostSets(0), mostValue(1);
    std::vector<std::pair<long, int>> entries;
    Counts c{};
    for (int idx = 0; idx < kPatterns; ++idx) {
        int rest = idx, total = 0;
        for (int i = 8; i >= 0; --i) {
            c[i] = rest % 5;
            rest /= 5;
            total += c[i];
        }
        if (total < 2 || total > 14 || HasIsolatedSingle(c)) continue;
        long key = 0;
        for (int i = 0; i < 9; ++i) key = key * 10 + c[i];
        Arrangement a = mostSets.Best(c), b = mostValue.Best(c);
        entries.emplace_back(key, a.sets * 1000 + a.partials * 100 + b.sets * 10 + b.partials);
    }

    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "%zu\n", entries.size());
    for (const auto& [key, value] : entries) std::fprintf(out, "%ld %d\n", key, value);
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
