// The game's best results: two score tables of the toolkit, one of the fewest moves and one
// of the shortest times in seconds, each holding the ten best wins made without a hint. The
// player is named after the login, never asked.
#pragma once

#include <cstdio>
#include <string>

// The tables' names, their folders under Data/.
constexpr char kMovesTableName[] = "Moves";
constexpr char kTimeTableName[] = "Time";

// The full name of the password entry (up to its first comma) or else the user name; line
// breaks and other control characters become blanks, and the name is cut to a length the
// table reads back whole. "player" when the process has no password entry.
std::string LoginPlayerName();

// Adds a win to both tables; false when either could not be written.
bool RecordBestResult(int moves, int seconds, const std::string& player);

// Prints both tables, a heading before each; the status a program ends with (1 when a table
// could not be read, else 0).
int PrintBestResults(std::FILE* out);
