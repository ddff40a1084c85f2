// What the gallery writes into its cells, made from the values its widgets hand over. Free of
// X, so that the unit tests read it directly. Owns nothing.
#pragma once

#include <string>
#include <vector>

// A text as GetText returned it, in quotes so that blanks show; the line breaks of a
// multi-line box (carriage returns) start new lines.
std::string ShownText(const std::string& text);

// The filled share of a range as a whole percentage, "70 %"; an empty range is "0 %".
std::string PercentText(int value, int minimum, int maximum);

// The score table's lines one under the other, or a note that there are none yet.
std::string ScoreTableText(const std::vector<std::string>& lines);

// The score typed into the numeric box: its leading digits, 0 when there are none.
long ScoreFromText(const std::string& text);

// What the option box reports about its selection.
std::string SelectionText(int index, const std::string& caption, const std::string& value);
