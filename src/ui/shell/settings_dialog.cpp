// SPDX-License-Identifier: MIT
#include "ui/shell/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "core/glossary/glossary.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/services.h"

namespace lumora::ui {

namespace {

constexpr const char* kPreciseMoonKey = "Moon/Precise";
constexpr const char* kOpeningMethodKey = "Result/OpeningMethod";
constexpr const char* kKootaTablesKey = "Match/KootaTables";
constexpr const char* kAyanamsaKey = "Chart/Ayanamsa";
constexpr const char* kNodeKey = "Chart/Node";

QSettings ProgramSettings() {
  return QSettings(QStringLiteral("Lumora"), QStringLiteral("Lumora"));
}

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MoonModel StoredMoonModel() {
  return ProgramSettings().value(QLatin1String(kPreciseMoonKey), false).toBool()
             ? MoonModel::Precise
             : MoonModel::Standard;
}

void StoreMoonModel(MoonModel model) {
  ProgramSettings().setValue(QLatin1String(kPreciseMoonKey), model == MoonModel::Precise);
}

OpeningMethod StoredOpeningMethod() {
  return ProgramSettings().value(QLatin1String(kOpeningMethodKey)).toString() ==
                 QLatin1String("Porutham")
             ? OpeningMethod::Porutham
             : OpeningMethod::AshtaKoota;
}

void StoreOpeningMethod(OpeningMethod method) {
  ProgramSettings().setValue(QLatin1String(kOpeningMethodKey), method == OpeningMethod::Porutham
                                                                   ? QStringLiteral("Porutham")
                                                                   : QStringLiteral("AshtaKoota"));
}

KootaTables StoredKootaTables() {
  const QString name = ProgramSettings().value(QLatin1String(kKootaTablesKey)).toString();
  return FindKootaTables(name.toStdString()).value_or(KootaTables::Specified);
}

void StoreKootaTables(KootaTables tables) {
  ProgramSettings().setValue(QLatin1String(kKootaTablesKey),
                             QString::fromUtf8(KootaTablesName(tables).data(),
                                               static_cast<int>(KootaTablesName(tables).size())));
}

ChartOptions StoredChartOptions() {
  QSettings settings = ProgramSettings();
  ChartOptions options;
  options.ayanamsa =
      FindAyanamsa(settings.value(QLatin1String(kAyanamsaKey)).toString().toStdString())
          .value_or(Ayanamsa::Standard);
  options.node = FindNode(settings.value(QLatin1String(kNodeKey)).toString().toStdString())
                     .value_or(NodeKind::Mean);
  return options;
}

void StoreChartOptions(const ChartOptions& options) {
  QSettings settings = ProgramSettings();
  settings.setValue(QLatin1String(kAyanamsaKey), Q(AyanamsaName(options.ayanamsa)));
  settings.setValue(QLatin1String(kNodeKey), Q(NodeName(options.node)));
}

SettingsDialog::SettingsDialog(MoonModel current, KootaTables tables, const ChartOptions& chart,
                               QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmSettings"));
  setWindowTitle(tr("Settings - %1").arg(ProgramTitle()));
  auto* layout = new QVBoxLayout(this);

  // Each language by its own name, so that a reader finds theirs whatever is shown now.
  auto* language_row = new QFormLayout;
  language_ = new QComboBox(this);
  language_->setObjectName(QStringLiteral("cboLanguage"));
  language_->setAccessibleName(tr("Language"));
  for (const LanguageName& language : kLanguages) {
    language_->addItem(Q(language.Native), Q(language.Code));
  }
  language_->setCurrentIndex(static_cast<int>(CurrentLanguage()));
  auto* language_label = new QLabel(tr("&Language:"), this);
  language_label->setObjectName(QStringLiteral("lblLanguage"));
  language_label->setBuddy(language_);
  language_row->addRow(language_label, language_);
  layout->addLayout(language_row);

  // The stored key keeps its first name: a choice made before still reads.
  precise_moon_ = new QCheckBox(tr("&Precise ephemeris"), this);
  precise_moon_->setObjectName(QStringLiteral("chkPreciseEphemeris"));
  precise_moon_->setAccessibleName(tr("Precise ephemeris"));
  precise_moon_->setChecked(current == MoonModel::Precise);
  layout->addWidget(precise_moon_);

  auto* note = new QLabel(
      tr("The Guna Milan Moon then comes from the full lunar series of Meeus (Astronomical "
         "Algorithms, chapter 47) in terrestrial time, and the Western test's fourteen "
         "positions from the precise ephemeris the charts always use, within arc-seconds of "
         "a modern ephemeris. A birth close to the edge of a nakshatra or pada can then fall "
         "on the other side of it. Result pages and printed matches say \"Precise Moon\" "
         "when it was used."),
      this);
  note->setObjectName(QStringLiteral("lblPreciseEphemerisNote"));
  note->setAccessibleName(tr("About the precise ephemeris"));
  note->setWordWrap(true);
  note->setBuddy(precise_moon_);
  layout->addWidget(note);

  auto* zodiac = new QFormLayout;
  ayanamsa_ = new QComboBox(this);
  ayanamsa_->setObjectName(QStringLiteral("cboAyanamsa"));
  ayanamsa_->setAccessibleName(tr("Ayanamsa"));
  for (const Ayanamsa a : kAyanamsas) {
    ayanamsa_->addItem(Q(AyanamsaWord(CurrentLanguage(), a)), Q(AyanamsaName(a)));
  }
  ayanamsa_->setItemText(0, tr("Standard (the program's own)"));
  ayanamsa_->setCurrentIndex(ayanamsa_->findData(Q(AyanamsaName(chart.ayanamsa))));
  auto* ayanamsa_label = new QLabel(tr("&Ayanamsa:"), this);
  ayanamsa_label->setObjectName(QStringLiteral("lblAyanamsa"));
  ayanamsa_label->setBuddy(ayanamsa_);
  zodiac->addRow(ayanamsa_label, ayanamsa_);
  node_ = new QComboBox(this);
  node_->setObjectName(QStringLiteral("cboNode"));
  node_->setAccessibleName(tr("Lunar node"));
  node_->addItem(tr("Mean"), Q(NodeName(NodeKind::Mean)));
  node_->addItem(tr("True"), Q(NodeName(NodeKind::True)));
  node_->setCurrentIndex(chart.node == NodeKind::True ? 1 : 0);
  auto* node_label = new QLabel(tr("Lunar &node:"), this);
  node_label->setObjectName(QStringLiteral("lblNode"));
  node_label->setBuddy(node_);
  zodiac->addRow(node_label, node_);
  layout->addLayout(zodiac);
  auto* zodiac_note = new QLabel(
      tr("The Guna Milan Moon, the charts, the doshas, Porutham, the timing and the birth-time "
         "windows are all computed with the chosen ayanamsa and node; every result page and "
         "document names them. Another ayanamsa can move the Moon into another nakshatra, "
         "and so change the match."),
      this);
  zodiac_note->setObjectName(QStringLiteral("lblAyanamsaNote"));
  zodiac_note->setAccessibleName(tr("About the ayanamsa and node"));
  zodiac_note->setWordWrap(true);
  layout->addWidget(zodiac_note);

  auto* tables_label = new QLabel(tr("&Koota tables:"), this);
  tables_label->setObjectName(QStringLiteral("lblKootaTables"));
  koota_tables_ = new QComboBox(this);
  koota_tables_->setObjectName(QStringLiteral("cboKootaTables"));
  koota_tables_->setAccessibleName(tr("Koota tables"));
  koota_tables_->addItem(tr("Specified (the program's own tables)"));
  koota_tables_->addItem(tr("Classical (the tables astrologers use)"));
  koota_tables_->setCurrentIndex(static_cast<int>(tables));
  tables_label->setBuddy(koota_tables_);
  auto* tables_row = new QHBoxLayout;
  tables_row->addWidget(tables_label);
  tables_row->addWidget(koota_tables_, 1);
  layout->addLayout(tables_row);
  auto* tables_note = new QLabel(
      tr("The Guna Milan grid, the report and the printed match score with the chosen tables "
         "and always give the other set's total beside it."),
      this);
  tables_note->setObjectName(QStringLiteral("lblKootaTablesNote"));
  tables_note->setAccessibleName(tr("About the koota tables"));
  tables_note->setWordWrap(true);
  layout->addWidget(tables_note);
  auto* method_row = new QFormLayout;
  opening_method_ = new QComboBox(this);
  opening_method_->setObjectName(QStringLiteral("cboOpeningMethod"));
  opening_method_->setAccessibleName(tr("Match method the result opens on"));
  opening_method_->addItem(tr("Ashta-koota (Guna Milan)"));
  opening_method_->addItem(tr("Porutham (South Indian)"));
  opening_method_->setCurrentIndex(StoredOpeningMethod() == OpeningMethod::Porutham ? 1 : 0);
  auto* method_label = new QLabel(tr("&Open the match on:"), this);
  method_label->setObjectName(QStringLiteral("lblOpeningMethod"));
  method_label->setBuddy(opening_method_);
  method_row->addRow(method_label, opening_method_);
  layout->addLayout(method_row);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("cmdSettingsButtons"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdSettingsOK"));
  buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdSettingsCancel"));
  buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  setMinimumWidth(480);
  // The wrapped note decides the height at the dialog's width.
  resize(480, layout->totalHeightForWidth(480));
}

OpeningMethod SettingsDialog::ChosenOpeningMethod() const {
  return opening_method_->currentIndex() == 1 ? OpeningMethod::Porutham : OpeningMethod::AshtaKoota;
}

ChartOptions SettingsDialog::ChosenChartOptions() const {
  ChartOptions options;
  options.ayanamsa =
      FindAyanamsa(ayanamsa_->currentData().toString().toStdString()).value_or(Ayanamsa::Standard);
  options.node = FindNode(node_->currentData().toString().toStdString()).value_or(NodeKind::Mean);
  return options;
}

Language SettingsDialog::ChosenLanguage() const {
  return LanguageFromCode(language_->currentData().toString().toStdString())
      .value_or(Language::English);
}

MoonModel SettingsDialog::ChosenMoonModel() const {
  return precise_moon_->isChecked() ? MoonModel::Precise : MoonModel::Standard;
}

KootaTables SettingsDialog::ChosenKootaTables() const {
  return koota_tables_->currentIndex() == static_cast<int>(KootaTables::Classical)
             ? KootaTables::Classical
             : KootaTables::Specified;
}

}  // namespace lumora::ui
