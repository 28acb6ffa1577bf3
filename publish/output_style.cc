#include "publish/output_style.h"

#include "platform/console.h"

// The graphics style draws box-drawing glyphs in the console's own encoding:
// single code page 437 bytes on Windows, UTF-8 characters on POSIX. Each
// entry takes four columns either way.
const StyleRow TreeHeader = {{"\nClass Tree\n", "\nClass Tree\n", "\nClass Tree\n", "<table>", ""}};
const StyleRow LineStart = {{"", "", "", "<tr><td>", ""}};
const StyleRow FieldSeparator = {{": ", ": ", ": ", "<td>", ""}};
const StyleRow LineEnd = {{"\n", "\n", "\n", "</tr>\n", ""}};
const StyleRow BranchTee = {
    {kCodePage437Console ? "   \xC3" : "   \u251C", "   +", "    ", "<img class='img2'>", ""}};
const StyleRow BranchCorner = {
    {kCodePage437Console ? "   \xC0" : "   \u2514", "   -", "    ", "<img class='img1'>", ""}};
const StyleRow StemBar = {
    {kCodePage437Console ? "   \xB3" : "   \u2502", "   |", "    ", "<img class='img0'>", ""}};
const StyleRow StemBlank = {{"    ", "    ", "    ", "<img class='imgN'>", ""}};
