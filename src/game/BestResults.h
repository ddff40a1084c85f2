// The game's best results: for each board size two score tables of the toolkit, one of the
// fewest moves and one of the shortest times in seconds, each holding the ten best wins made
// without a hint. The player is named after the login, never asked.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The 4 x 4 tables' names, their folders under Data/, as they have always been.
constexpr char kMovesTableName[] = "Moves";
constexpr char kTimeTableName[] = "Time";

// The tables of a board of that side: the names above at 4 x 4, "Moves 5x5" and "Time 5x5" at
// 5 x 5, and so on.
std::string MovesTableName(int side);
std::string TimeTableName(int side);

// The full name of the password entry (up to its first comma) or else the user name, as the
// tables keep a name. "player" when the process has no password entry.
std::string LoginPlayerName();

// Adds a win to both tables of the board's side. The name is kept as UTF-8 that cannot drive a
// terminal (control characters and bytes of no valid character become "?"), cut between two
// characters to a length the table reads back whole. What kept it out of a table, one log line for
// each that could not take it; empty when both did.
std::vector<std::string> RecordBestResult(int side, int moves, int seconds,
                                          const std::string& player);

// Prints the tables in the player's units, as the statistics window shows them, a heading
// before each: those of 4 x 4 always, then those of every other size that has a result; what a
// table that cannot be read says goes to errors. The status a program
// ends with: 1 when a table could not be read, else 0.
int PrintBestResults(std::FILE* out, std::FILE* errors);
