// The han of each of the 31 yaku of one reading of a winning hand.
#pragma once

#include <array>

namespace mizaro {

using YakuId = int;
inline constexpr int kYakuCount = 31;

namespace yaku {
inline constexpr YakuId kRiichi = 0, kDoubleRiichi = 1, kIppatsu = 2, kTsumo = 3, kDora = 4,
                        kYakuhai = 5, kPinfu = 6, kTanyao = 7, kIipeikou = 8, kRyanpeikou = 9,
                        kIttsu = 10, kSanshoku = 11, kSanshokuKou = 12, kHonitsu = 13,
                        kChinitsu = 14, kChiitoi = 15, kChanta = 16, kJunchan = 17, kSanankou = 18,
                        kSuuankou = 19, kKokushi = 20, kShousangen = 21, kDaisangen = 22,
                        kShousuushii = 23, kDaisuushii = 24, kTsuuiisou = 25, kHonroutou = 26,
                        kChinroutou = 27, kTenhou = 28, kRyuuiisou = 29, kChuuren = 30;
}  // namespace yaku

constexpr bool IsYakuman(YakuId id) {
    return id == 19 || id == 20 || id == 22 || id == 23 || id == 24 || id == 25 || id == 27 ||
           id == 28 || id == 29 || id == 30;
}

// Ids outside 0..30 are ignored by every operation, so a name that is no yaku reads 0.
struct YakuHan {
    std::array<int, kYakuCount> han{};

    static constexpr bool Valid(YakuId id) { return id >= 0 && id < kYakuCount; }
    void AddHan(YakuId id, int n) {
        if (Valid(id)) han[id] += n;
    }
    void SetHan(YakuId id, int n) {
        if (Valid(id)) han[id] = n;
    }
    void ClearHan(YakuId id) { SetHan(id, 0); }
    int GetHan(YakuId id) const { return Valid(id) ? han[id] : 0; }
    int TotalHan() const {
        int t = 0;
        for (int h : han) t += h;
        return t;
    }
    int YakuCount() const {
        int c = 0;
        for (int h : han) c += h > 0;
        return c;
    }
    void KeepYakumanOnly() {
        bool any = false;
        for (YakuId i = 0; i < kYakuCount; ++i) any |= IsYakuman(i) && han[i] > 0;
        if (!any) return;
        for (YakuId i = 0; i < kYakuCount; ++i)
            if (!IsYakuman(i)) han[i] = 0;
    }
};

}  // namespace mizaro
