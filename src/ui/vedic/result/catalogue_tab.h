// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QGroupBox>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/form_control.h"
#include "core/vedic/result/nakshatra_catalogue.h"
#include "core/vedic/result/rashi_catalogue.h"

class QLabel;

namespace lumora::ui {

class BrowserService;

// One person's rashi or nakshatra page: the record's name as the heading, its picture,
// the header fields beside the picture and the tab strip of the record's pages, each
// with Back and Next buttons; the last page is About Software.
class CatalogueTab : public QGroupBox {
  Q_DECLARE_TR_FUNCTIONS(lumora::ui::ResultWindow)

 public:
  enum class Kind { Rashi, Nakshatra };
  CatalogueTab(Kind kind, PersonSide side, BrowserService* browser, QWidget* parent = nullptr);

  // Fills the page, with its picture, from the catalogue record of the person's Moon sign
  // or nakshatra.
  void Show(const RashiRecord& record);
  void Show(const NakshatraRecord& record);

 private:
  void Build(const QString& heading_caption, const std::vector<CataloguePageField>& header,
             const std::vector<CataloguePage>& pages);
  // A read-only box for a field: several lines for prose, one line for the rest.
  QWidget* NewField(QWidget* parent, std::string_view name);
  void SetFieldText(std::string_view name, const QString& text);
  // Where no picture exists at the path, the box stays empty.
  void ShowPicture(const QString& path);

  Kind kind_;
  BrowserService* browser_;
  QString prefix_;  // "M" or "F" for rashi pages, "NM" or "NF" for nakshatra pages
  QLabel* heading_ = nullptr;
  QLabel* picture_ = nullptr;
  std::map<std::string, QWidget*, std::less<>> fields_;  // by record field name
};

}  // namespace lumora::ui
