// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QHash>
#include <string_view>
#include <vector>

#include "core/entry/person_side.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"
#include "ui/shell/services.h"

class QLabel;

namespace lumora::ui {

// One person's rashi or nakshatra tab: the name as a heading, the picture beside the
// header fields, then the catalogue's pages in a strip with Back and Next buttons and
// the About page last.
class CatalogueFrame : public QGroupBox {
  Q_OBJECT
 public:
  // frame "fraMRashi", fields "txtM<Field>", heading "lblMRashi", picture "picMRashi",
  // strip "TSM".
  static CatalogueFrame* ForRashi(const Services& services, PersonSide side,
                                  const QString& caption);
  // frame "fraMNakshatra", fields "txtNM<Field>", heading "lblNMNakshatra", picture
  // "picMNakshatra", strip "TSNM".
  static CatalogueFrame* ForNakshatra(const Services& services, PersonSide side,
                                      const QString& caption);

  // Fills the page, with its picture, from the catalogue record.
  void ShowRashi(const RashiRecord& record);
  void ShowNakshatra(const NakshatraRecord& record);

 private:
  // The names a frame's controls are made of.
  struct Names {
    QString Frame;
    QString FieldPrefix;
    QString Heading;
    QString HeadingCaption;
    QString Picture;
    QString Strip;
    QString ButtonPrefix;
    QString About;
  };
  CatalogueFrame(const Services& services, const QString& caption, const Names& names,
                 const std::vector<CataloguePageField>& header,
                 const std::vector<CataloguePage>& pages);
  QWidget* AddField(QWidget* parent, std::string_view name, bool prose);
  void SetField(std::string_view name, const QString& text);
  // Where no picture has the key, the box stays empty.
  void ShowPicture(const QString& path);

  QString field_prefix_;
  QLabel* heading_ = nullptr;
  QLabel* picture_ = nullptr;
  QHash<QString, QWidget*> fields_;  // by the catalogue's field name
};

}  // namespace lumora::ui
