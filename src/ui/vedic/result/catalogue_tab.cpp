// SPDX-License-Identifier: MIT
#include "ui/vedic/result/catalogue_tab.h"

#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/entry/person_side.h"
#include "core/glossary/catalogue_words.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/vedic/result/result_widgets.h"

namespace lumora::ui {

namespace {

// Prose fields get a multi-line box, the rest a single line.
bool IsProse(std::string_view field) {
  static constexpr std::string_view kProse[] = {"Looks",
                                                "Nature",
                                                "CareerAndFinance",
                                                "LoveAndDomesticLife",
                                                "Health",
                                                "GeneralAndPhysicalFeatures",
                                                "PositiveHumanTraits",
                                                "NegativeHumanTraits",
                                                "BestCareerOptions",
                                                "DomesticLife"};
  return std::find(std::begin(kProse), std::end(kProse), field) != std::end(kProse);
}

// A page's or field's caption in the language the windows speak.
QString Caption(std::string_view english) {
  return Utf8(CatalogueCaptionWord(CurrentLanguage(), english).value_or(english));
}

// A field's value in the language the windows speak.
QString FieldText(std::string_view field, std::string_view value) {
  return ToQString(CatalogueFieldText(CurrentLanguage(), field, value));
}

}  // namespace

CatalogueTab::CatalogueTab(Kind kind, PersonSide side, BrowserService* browser, QWidget* parent)
    : QGroupBox(parent), kind_(kind), browser_(browser) {
  const QString p(QLatin1Char(SideLetter(side)));
  const bool boy = side == PersonSide::Male;
  if (kind == Kind::Rashi) {
    prefix_ = p;
    setTitle(boy ? tr("Boy's Rashi Information") : tr("Girl's Rashi Information"));
    setObjectName(QStringLiteral("fra") + p + QStringLiteral("Rashi"));
    Build(tr("Rashi"), RashiHeaderFields(), RashiPages());
  } else {
    prefix_ = QStringLiteral("N") + p;
    setTitle(boy ? tr("Boy's Nakshatra Information") : tr("Girl's Nakshatra Information"));
    setObjectName(QStringLiteral("fra") + p + QStringLiteral("Nakshatra"));
    Build(tr("Nakshatra"), NakshatraHeaderFields(), NakshatraPages());
  }
}

// Header fields in a grid beside the picture, then the tab strip of pages with Back and
// Next buttons.
void CatalogueTab::Build(const QString& heading_caption,
                         const std::vector<CataloguePageField>& header,
                         const std::vector<CataloguePage>& pages) {
  const QString kind_name =
      kind_ == Kind::Rashi ? QStringLiteral("Rashi") : QStringLiteral("Nakshatra");
  // The picture is named by the side alone: picMRashi, picMNakshatra.
  const QString side = prefix_.right(1);
  const QString strip_name = QStringLiteral("TS") + prefix_;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(NewEnglishTextNote(this));
  heading_ = new QLabel(heading_caption, this);
  heading_->setObjectName(QStringLiteral("lbl") + prefix_ + kind_name);
  QFont big = heading_->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  heading_->setFont(big);
  layout->addWidget(heading_);

  auto* top = new QHBoxLayout;
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("pic") + side + kind_name);
  picture_->setFixedSize(112, 112);
  picture_->setAccessibleName(QObject::tr("Picture"));
  top->addWidget(picture_);
  auto* form = new QFormLayout;
  for (const CataloguePageField& f : header) {
    QWidget* box = NewField(this, f.Name);
    auto* caption = new QLabel(Caption(f.Caption) + QLatin1Char(':'), this);
    caption->setBuddy(box);
    box->setAccessibleName(Caption(f.Caption));
    form->addRow(caption, box);
  }
  top->addLayout(form, 1);
  layout->addLayout(top);

  auto* strip = new QTabWidget(this);
  strip->setObjectName(strip_name);
  strip->setAccessibleName(title());
  const int count = static_cast<int>(pages.size());
  for (int k = 1; k <= count; ++k) {
    const CataloguePage& page = pages[static_cast<std::size_t>(k - 1)];
    auto* widget = new QWidget;
    widget->setObjectName(strip_name + QStringLiteral("Page%1").arg(k));
    auto* page_layout = new QVBoxLayout(widget);
    if (page.Fields.empty()) {
      page_layout->addWidget(NewAboutPage(kind_name + prefix_, browser_));
    } else {
      // The fields scroll, so that a page of long texts never makes the window
      // taller than a small screen.
      auto* scroll = new QScrollArea(widget);
      scroll->setWidgetResizable(true);
      scroll->setFrameShape(QFrame::NoFrame);
      auto* content = new QWidget(scroll);
      auto* fields = new QFormLayout(content);
      fields->setRowWrapPolicy(QFormLayout::WrapLongRows);
      for (const CataloguePageField& f : page.Fields) {
        QWidget* box = NewField(content, f.Name);
        auto* caption = new QLabel(Caption(f.Caption) + QLatin1Char(':'), content);
        caption->setBuddy(box);
        box->setAccessibleName(Caption(f.Caption));
        fields->addRow(caption, box);
      }
      scroll->setWidget(content);
      page_layout->addWidget(scroll, 1);
    }
    auto* paging = new QHBoxLayout;
    if (k > 1) {
      auto* back = new QPushButton(QObject::tr("Back"), widget);
      back->setObjectName(QStringLiteral("cmd%1Back%2").arg(prefix_).arg(k));
      QObject::connect(back, &QPushButton::clicked, strip,
                       [strip, k] { strip->setCurrentIndex(k - 2); });
      paging->addWidget(back);
    }
    paging->addStretch();
    if (k < count) {
      auto* next = new QPushButton(QObject::tr("Next"), widget);
      next->setObjectName(QStringLiteral("cmd%1Next%2").arg(prefix_).arg(k));
      QObject::connect(next, &QPushButton::clicked, strip,
                       [strip, k] { strip->setCurrentIndex(k); });
      paging->addWidget(next);
    }
    page_layout->addLayout(paging);
    strip->addTab(widget, Caption(page.Caption));
  }
  layout->addWidget(strip, 1);
}

QWidget* CatalogueTab::NewField(QWidget* parent, std::string_view name) {
  QWidget* box = nullptr;
  if (IsProse(name)) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(true);
    edit->setMinimumHeight(110);
    box = edit;
  } else {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    box = edit;
  }
  box->setObjectName(QStringLiteral("txt") + prefix_ + Utf8(name));
  fields_.emplace(std::string(name), box);
  return box;
}

void CatalogueTab::SetFieldText(std::string_view name, const QString& text) {
  const auto field = fields_.find(name);
  if (field == fields_.end()) {
    return;
  }
  if (auto* line = qobject_cast<QLineEdit*>(field->second)) {
    line->setText(text);
    line->setCursorPosition(0);
  } else if (auto* prose = qobject_cast<QPlainTextEdit*>(field->second)) {
    prose->setPlainText(text);
  }
}

void CatalogueTab::Show(const RashiRecord& record) {
  for (const RashiField& field : kRashiFields) {
    const QString text = FieldText(field.Name, record.*field.Member);
    if (field.Name == "IndianName") {
      heading_->setText(text);
    } else {
      SetFieldText(field.Name, text);
    }
  }
  // Pictures are keyed by the sign's English name.
  ShowPicture(QStringLiteral(":/resources/rashi/%1.svg").arg(Utf8(record.EnglishName).trimmed()));
}

void CatalogueTab::Show(const NakshatraRecord& record) {
  for (const NakshatraField& field : kNakshatraFields) {
    const QString text = FieldText(field.Name, record.*field.Member);
    if (field.Name == "NakshatraName") {
      heading_->setText(text);
    } else {
      SetFieldText(field.Name, text);
    }
  }
  ShowPicture(QStringLiteral(":/resources/nakshatra/%1.svg").arg(Utf8(record.NakshatraName)));
}

void CatalogueTab::ShowPicture(const QString& path) {
  if (!QFile::exists(path)) {
    return;
  }
  picture_->setPixmap(QIcon(path).pixmap(QSize(112, 112), devicePixelRatioF()));
}

}  // namespace lumora::ui
