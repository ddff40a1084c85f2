// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "support/BoardReader.h"

namespace {

constexpr unsigned long kTileWhite = 0xFFFFFF;
constexpr unsigned long kEmptyGrey = 0xB7B7B7;

// The inside of a cell, away from its one-pixel frame.
Picture Inside(const Picture& cell) {
  Picture inside;
  inside.width = cell.width - 4;
  inside.height = cell.height - 4;
  for (int y = 2; y < cell.height - 2; ++y) {
    for (int x = 2; x < cell.width - 2; ++x) inside.pixels.push_back(cell.At(x, y));
  }
  return inside;
}

std::string WhyNotATile(const Picture& cell, int tile) {
  const Picture inside = Inside(cell);
  const unsigned long fill = tile == fifteen::kEmpty ? kEmptyGrey : kTileWhite;
  if (inside.At(1, 1) != fill) return "its background is not the expected colour";
  const bool hasCaption = inside.CountOtherThan(fill) > 0;
  if (tile != fifteen::kEmpty && !hasCaption) return "it shows no number";
  if (tile == fifteen::kEmpty && hasCaption) return "the empty cell is not plain";
  return "";
}

}  // namespace

CellPlace PlaceOfCell(int side, int cell) {
  const int width = (358 - 2 * (side - 1)) / side;
  const int height = (550 - 2 * (side - 1)) / side;
  return {20 + (width + 2) * (cell % side), 25 + (height + 2) * (cell / side), width, height};
}

std::string DescribeBoard(const SizedBoard& board) {
  std::string text;
  for (int cell = 0; cell < board.CellCount(); ++cell) {
    text += board[cell] == board.GapValue() ? "_" : std::to_string(board[cell]);
    text += cell % board.Side() == board.Side() - 1 ? " | " : " ";
  }
  return text;
}

std::string DescribeBoard(const fifteen::Board& board) {
  std::string text;
  for (int cell = 0; cell < fifteen::kCells; ++cell) {
    text += board[cell] < 0                  ? "?"
            : board[cell] == fifteen::kEmpty ? "_"
                                             : std::to_string(board[cell]);
    text += cell % fifteen::kSide == fifteen::kSide - 1 ? " | " : " ";
  }
  return text;
}

BoardReader::BoardReader(const RemoteScreen& screen, Window mainWindow, int side)
    : screen(screen), window(mainWindow), side(side), pictures(side * side) {}

std::optional<Picture> BoardReader::GrabCell(int cell) const {
  const CellPlace place = PlaceOfCell(side, cell);
  return screen.Grab(window, place.x, place.y, place.width, place.height);
}

bool BoardReader::Learn(std::string& whyNot) {
  for (int cell = 0; cell < CellCount(); ++cell) {
    const auto picture = GrabCell(cell);
    if (!picture) {
      whyNot = "cell " + std::to_string(cell) + " cannot be read";
      return false;
    }
    const std::string problem = WhyNotATile(*picture, OrderedTile(cell));
    if (!problem.empty()) {
      whyNot = "cell " + std::to_string(cell) + ": " + problem;
      return false;
    }
    for (int earlier = 0; earlier < cell; ++earlier) {
      if (pictures[earlier] == *picture) {
        whyNot =
            "cells " + std::to_string(earlier) + " and " + std::to_string(cell) + " look alike";
        return false;
      }
    }
    pictures[cell] = *picture;
  }
  whyNot.clear();
  return true;
}

std::optional<int> BoardReader::TileIn(int cell) const {
  const auto picture = GrabCell(cell);
  if (!picture) return std::nullopt;
  for (int known = 0; known < CellCount(); ++known) {
    if (pictures[known] == *picture) return OrderedTile(known);
  }
  return std::nullopt;
}

bool BoardReader::Shows(int cell, int tile) const {
  return TileIn(cell) == tile;
}

std::optional<fifteen::Board> BoardReader::Read() const {
  if (side != fifteen::kSide) return std::nullopt;
  fifteen::Board board{};
  for (int cell = 0; cell < fifteen::kCells; ++cell) {
    const auto tile = TileIn(cell);
    if (!tile) return std::nullopt;
    board[cell] = *tile;
  }
  return board;
}

std::optional<SizedBoard> BoardReader::ReadSized() const {
  SizedBoard board(side);
  for (int cell = 0; cell < CellCount(); ++cell) {
    const auto tile = TileIn(cell);
    if (!tile) return std::nullopt;
    board[cell] = *tile == fifteen::kEmpty ? board.GapValue() : *tile;
  }
  return board;
}

fifteen::Board BoardReader::ReadSome(const std::vector<bool>& readable) const {
  fifteen::Board board{};
  for (int cell = 0; cell < fifteen::kCells; ++cell) {
    board[cell] = readable[cell] ? TileIn(cell).value_or(-1) : -1;
  }
  return board;
}
