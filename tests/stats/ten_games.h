// Ten games the computer played (mizaro-cli simulate --seed 1), as records of a game log: the
// drill's harvest and its window are tested on the same real games.
#pragma once

#include <vector>

#include "stats/game_record.h"

namespace mizaro {

inline std::vector<GameRecord> TenGames() {
    const char* texts[] = {"CEFJPRWWX0046RW7D3MJFZXN71MXBP3467J3RJMXXZ71RPXP3G-AA",
                           "BBCEJNOYZ3445PPF6Y7WNSR5OI2FOHQ35J6C7WOZF5OS2FOIRJ-AA",
                           "ADKLPQSVWX057YC6TFRUMEQI7MN6WIM576ASF0DEQI7MN6WIML-IA",
                           "CEGJPRWZZ2457BLC50X6S5Q1SD04TIV4255706S5C1SJ04TLBF-AA",
                           "CHIJPPTVXY047KZ1BNAGQ5WPC6CSFQH471JKN0Q5WPC6CSFQHI-HA",
                           "BIIJKKNPUWY064L2MTZOEJV--------462BPWKEJ---------L5HA",
                           "EHJNTUWYZZ156PRB6CNN43JFBUR61H75616JHE43JFWTN61H7X-AA",
                           "AGLMOQQSVWY55O3BELKGB1U7D4WD0ZCA3SBEGGB1L7Y4DD0ZCE-AA",
                           "BCDKLRRUXXY000OJIT24B5TC27Z----UOXIT24B5TC27-----QBDA",
                           "ADFGHOQRTWZ56APFORJ27L5AIT3E---56WTZJ27L5RIT3----UJLA"};
    std::vector<GameRecord> games;
    for (const char* t : texts) {
        games.emplace_back();
        games.back().SetText(t);
    }
    return games;
}

}  // namespace mizaro
