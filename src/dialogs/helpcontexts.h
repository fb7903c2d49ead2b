#pragma once

namespace lumaro::helpcontext {

// Help context numbers of the tag dialogs: each dialog's Help button opens
// the topic with its number in the help file.
constexpr int TableBuilder = 2020;
constexpr int JumpTo = 2040;
constexpr int JumpToHere = 2050;
constexpr int Anchor = 3150;
constexpr int Center = 3160;
constexpr int Frame = 4100;
constexpr int Frameset = 4110;
constexpr int NoFrames = 4120;
constexpr int Form = 1300;
constexpr int FormButton = 1360;
constexpr int SelectForm = 1380;
constexpr int Italic = 1030;
constexpr int Underline = 1040;
constexpr int Bold = 1050;
/// The phrase and font-style tag dialog (shared by seventeen commands).
constexpr int PhraseTag = 1060;
constexpr int Table = 3080;
constexpr int TableRow = 3070;
constexpr int TableData = 3060;
constexpr int TableCaption = 3050;

} // namespace lumaro::helpcontext
