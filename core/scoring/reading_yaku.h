// Yaku that depend on how a complete hand splits into four sets and a pair. Each test reads
// one reading and adds its yaku to that reading's han.
#pragma once

#include "core/agari_result.h"

namespace mizaro {

// A set is a triplet when its first two kinds are equal, a run otherwise.
inline bool IsTriplet(const std::array<int, 3>& set) {
    return set[0] == set[1];
}

void TestPeikou(AgariResult& r);       // 一盃口 / 二盃口
void TestPinfu(AgariResult& r);        // 平和
void TestYakuhai(AgariResult& r);      // 役牌
void TestChanta(AgariResult& r);       // 全帯 / 純全帯
void TestIttsu(AgariResult& r);        // 一気通貫
void TestSanshoku(AgariResult& r);     // 三色同順
void TestSanshokuKou(AgariResult& r);  // 三色同刻
void TestAnkou(AgariResult& r);        // 三暗刻 / 四暗刻
void TestSangen(AgariResult& r);       // 小三元 / 大三元
void TestSuushii(AgariResult& r);      // 小四喜和 / 大四喜和

}  // namespace mizaro
