// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "core/ephemeris/ayanamsa.h"
#include "core/vedic/timing/sky_timing.h"
#include "core/vedic/timing/timing_document.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace lumora::ui {

// Paints a timeline of the document library at the widget's size and pixel ratio.
class TimelineView : public QWidget {
  Q_OBJECT
 public:
  explicit TimelineView(QWidget* parent = nullptr);
  void SetTimeline(const DocumentTimeline& timeline);
  const std::optional<DocumentTimeline>& Timeline() const { return timeline_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<DocumentTimeline> timeline_;
};

// The "Timing" tab: both persons' Vimshottari periods over the years, the periods running
// on the wedding day (or today), the Dasha Sandhis, each mahadasha with its antardashas,
// and Sade Sati and Ashtama Shani in the next 30 years.
class TimingTab : public QWidget {
  Q_OBJECT
 public:
  explicit TimingTab(QWidget* parent = nullptr);

  // The persons of the match; the tab computes their periods when first shown (and again
  // when the year length changes) and recombines them when the wedding date changes.
  void SetPersons(const QString& boy_name, const BirthMoment& boy, const std::string& boy_zone,
                  const QString& girl_name, const BirthMoment& girl, const std::string& girl_zone,
                  Ayanamsa ayanamsa);
  // A match without birth details (a profile file) has no periods.
  void ClearPersons();

  // The day looked at: the wedding when a valid date is entered, else today.
  int ReferenceDay() const;
  const std::optional<CoupleTiming>& Timing() const { return timing_; }
  // The timing as the documents carry it, computed now if the tab has not been shown;
  // nothing without birth details.
  std::optional<MatchTiming> CurrentTiming();
  // The year length in use, as the CLI names it ("365.25").
  QString YearLengthText() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Compute();
  void ApplyWedding();
  void Refresh();
  void FillTree(QTreeWidget* tree, const PersonTiming& person);

  QString boy_name_;
  QString girl_name_;
  std::optional<CoupleTimingRequest> request_;
  std::optional<CoupleTiming> timing_;
  bool stale_ = false;

  QLineEdit* wedding_ = nullptr;
  QLabel* wedding_note_ = nullptr;
  QComboBox* year_length_ = nullptr;
  QLabel* conventions_ = nullptr;
  TimelineView* timeline_ = nullptr;
  QLabel* running_ = nullptr;
  QLabel* sandhi_ = nullptr;
  QTreeWidget* boy_tree_ = nullptr;
  QTreeWidget* girl_tree_ = nullptr;
  QTreeWidget* transits_ = nullptr;
  QLabel* unavailable_ = nullptr;
  QWidget* content_ = nullptr;
};

}  // namespace lumora::ui
