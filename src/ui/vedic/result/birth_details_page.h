// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QScrollArea>
#include <array>

#include "core/vedic/match/match.h"

class QLabel;

namespace lumora::ui {

// The "Boy's And Girl's Birth Details" page: each person's name, birth date, time and
// place, the coordinates and clock the match read, and the Moon, ayanamsa and node it
// rests on. The lines keep their height and the page scrolls in a small window.
class BirthDetailsPage : public QScrollArea {
  Q_DECLARE_TR_FUNCTIONS(lumora::ui::ResultWindow)

 public:
  explicit BirthDetailsPage(QWidget* parent = nullptr);

  // The birth details as the match state holds them; a profile file holds none.
  void Show(const MatchState& state);

 private:
  // One person's lines, top to bottom (lblMName .. lblMNode, lblFName .. lblFNode).
  struct PersonLines {
    QLabel* Name = nullptr;
    QLabel* Date = nullptr;
    QLabel* Time = nullptr;
    QLabel* Place = nullptr;
    QLabel* Location = nullptr;
    QLabel* Moon = nullptr;
    QLabel* Ayanamsa = nullptr;
    QLabel* Node = nullptr;
  };
  std::array<PersonLines, 2> lines_{};  // boy's, girl's
};

}  // namespace lumora::ui
