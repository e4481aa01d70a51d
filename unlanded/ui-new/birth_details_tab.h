// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>

#include "core/vedic/match/match.h"

class QLabel;

namespace lumora::ui {

// The match's first page: both persons' birth details as the match state holds them,
// and which Moon the match rests on where it is the precise one.
class BirthDetailsTab : public QWidget {
  Q_OBJECT
 public:
  explicit BirthDetailsTab(QWidget* parent = nullptr);

  void Show(const MatchState& state);

 private:
  // One person's lines: lbl<M|F>Name, DOB, TOB, POB and Moon.
  struct SideLabels {
    QLabel* Name = nullptr;
    QLabel* Dob = nullptr;
    QLabel* Tob = nullptr;
    QLabel* Pob = nullptr;
    QLabel* Moon = nullptr;
  };
  std::array<SideLabels, 2> sides_{};  // boy's, girl's
};

}  // namespace lumora::ui
