#pragma once
// The fixed how-to texts shown in the Tip window, and which of them each help
// menu offers. Every text is made of lines joined by a single CR ("\r") with no
// line feed and no CR at the end; its first line repeats the menu caption.

#include <QString>

#include <array>
#include <vector>

struct HowTo
{
    QString caption; // the menu entry, without accelerator
    QString text;
};

// The three "?" menus that lead to the Tip window.
enum class HelpMenu
{
    MainWindow, // texts 1 to 9, after "&Open Help Documents" and a separator
    WebTest,    // texts 10 to 13
    History     // texts 14 and 15
};

// All fifteen texts in their fixed order.
const std::array<HowTo, 15>& HowToTexts();

// The entries of one help menu, in menu order.
std::vector<HowTo> HowTosOf(HelpMenu menu);
