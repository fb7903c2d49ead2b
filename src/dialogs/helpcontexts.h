#pragma once

namespace lumaro::helpcontext {

// Help context numbers of the tag dialogs: each dialog's Help button opens
// the topic with its number in the help file.
constexpr int TableBuilder = 2020;
/// The list builder.
constexpr int ListBuilder = 2030;
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
/// The horizontal rule and marquee dialogs.
constexpr int Rule = 1020;
constexpr int Marquee = 1100;
/// The phrase and font-style tag dialog (shared by seventeen commands).
constexpr int PhraseTag = 1060;
constexpr int Table = 3080;
constexpr int TableRow = 3070;
constexpr int TableData = 3060;
constexpr int TableCaption = 3050;
constexpr int Body = 2000;
constexpr int Heading = 2010;
constexpr int BaseFont = 3010;
constexpr int Font = 3140;
constexpr int Image = 1000;
constexpr int LinkBuilder = 1010;

} // namespace lumaro::helpcontext
