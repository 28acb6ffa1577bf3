#include "publish/output_style.h"

// POSIX terminals speak UTF-8, so the graphics style draws with box-drawing
// characters; each entry still takes four columns.
const StyleRow TreeHeader = {{"\nClass Tree\n", "\nClass Tree\n", "\nClass Tree\n", "<table>", ""}};
const StyleRow LineStart = {{"", "", "", "<tr><td>", ""}};
const StyleRow FieldSeparator = {{": ", ": ", ": ", "<td>", ""}};
const StyleRow LineEnd = {{"\n", "\n", "\n", "</tr>\n", ""}};
const StyleRow BranchTee = {{"   \u251C", "   +", "    ", "<img class='img2'>", ""}};
const StyleRow BranchCorner = {{"   \u2514", "   -", "    ", "<img class='img1'>", ""}};
const StyleRow StemBar = {{"   \u2502", "   |", "    ", "<img class='img0'>", ""}};
const StyleRow StemBlank = {{"    ", "    ", "    ", "<img class='imgN'>", ""}};
