// The numbers of the window's commands, which also name its menu items and buttons.
#pragma once

namespace mizaro::command {

// Menu ファイル
constexpr int kSave = 57603;
constexpr int kLoad = 32798;
constexpr int kEraseData = 32805;
constexpr int kExit = 32799;
constexpr int kCopyHandText = 32830;
constexpr int kReadHandText = 32831;
constexpr int kImportGameLog = 32832;
// Menu 表示切替
constexpr int kShowShanten = 32796;
constexpr int kShowResult = 32795;
constexpr int kShowSimulation = 32797;
// Menu ツール
constexpr int kNanikiru = 32800;
constexpr int kNanikiruChanges = 32819;
constexpr int kRiichi = 32801;
constexpr int kStatistics = 32802;
constexpr int kDetailAnalysis = 32813;
constexpr int kDetailAnalysisCom = 32814;
constexpr int kSimulation = 32826;
constexpr int kReview = 32851;
constexpr int kDrill = 32852;
// Menu 操作
constexpr int kDiscardHonour = 32812;
constexpr int kDiscardDrawn = 32784;
// Menu モード
constexpr int kModeNormal = 32774;
constexpr int kModeHonitsu = 32791;
constexpr int kModeChinitsu = 32790;
constexpr int kModeKokushi = 32792;
// Menu 設定
constexpr int kUsers = 32806;
constexpr int kDepthFirst = 32821;     // 32821..32825: depth 1..5
constexpr int kSimLevelFirst = 32809;  // 32809..32811: level 1..3
constexpr int kLanguageFirst = 32860;  // 32860..32862: system, 日本語, English
constexpr int kTileNumbers = 32863;
// Menu ヘルプ
constexpr int kAbout = 32803;
constexpr int kAuthorPage = 32804;
constexpr int kOnlineHelp = 57670;

// Keys without a menu item of their own.
constexpr int kNanikiruKey = 1047;  // F3, also the button
constexpr int kNanikiruChangesKey = 32818;
constexpr int kRiichiKey = 32779;  // F4, also the button
constexpr int kCopyHandImages = 32776;
constexpr int kCopyPositionHtml = 32816;
constexpr int kProblemText = 32817;  // Ctrl+Shift+F9
constexpr int kClearDiscards = 32775;
constexpr int kSelectUp = 32785;
constexpr int kSelectDown = 32786;
constexpr int kSelectRight = 32787;
constexpr int kSelectLeft = 32788;
constexpr int kNewGame = 32793;
constexpr int kSwallowKeys = 32789;      // Enter and Esc
constexpr int kStatTextFigures = 32780;  // F6; F7, F8, F9 follow
constexpr int kStatTextYaku = 32781;
constexpr int kStatTextShanten = 32782;
constexpr int kStatTextAll = 32783;
constexpr int kStatTextCopy = 32777;  // Ctrl+C

// Buttons and the combo box.
constexpr int kStatisticsButton = 1043;
constexpr int kResultButton = 1003;
constexpr int kShantenButton = 1000;
constexpr int kSaveButton = 1048;
constexpr int kLoadButton = 1049;
constexpr int kEditButton = 1050;
constexpr int kAssistCombo = 1056;

}  // namespace mizaro::command
