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

#include "ui/shell/services.h"

namespace lumora::ui {

namespace {

constexpr const char* kPreciseMoonKey = "Moon/Precise";
constexpr const char* kOpeningMethodKey = "Result/OpeningMethod";
constexpr const char* kKootaTablesKey = "Match/KootaTables";

QSettings ProgramSettings() {
  return QSettings(QStringLiteral("Lumora"), QStringLiteral("Lumora"));
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

SettingsDialog::SettingsDialog(MoonModel current, KootaTables tables, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmSettings"));
  setWindowTitle(tr("Settings - %1").arg(ProgramTitle()));
  auto* layout = new QVBoxLayout(this);

  precise_moon_ = new QCheckBox(tr("&Precise Moon"), this);
  precise_moon_->setObjectName(QStringLiteral("chkPreciseMoon"));
  precise_moon_->setAccessibleName(tr("Precise Moon"));
  precise_moon_->setChecked(current == MoonModel::Precise);
  layout->addWidget(precise_moon_);

  auto* note = new QLabel(
      tr("Computes the Moon with the full lunar series of Meeus (Astronomical Algorithms, "
         "chapter 47) in terrestrial time, within a few arc-seconds of a modern ephemeris, "
         "instead of the short series the program has always used. A birth close to the edge "
         "of a nakshatra or pada can then fall on the other side of it. Result pages and "
         "printed matches say \"Precise Moon\" when it was used."),
      this);
  note->setObjectName(QStringLiteral("lblPreciseMoonNote"));
  note->setAccessibleName(tr("About the precise Moon"));
  note->setWordWrap(true);
  note->setBuddy(precise_moon_);
  layout->addWidget(note);

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

MoonModel SettingsDialog::ChosenMoonModel() const {
  return precise_moon_->isChecked() ? MoonModel::Precise : MoonModel::Standard;
}

KootaTables SettingsDialog::ChosenKootaTables() const {
  return koota_tables_->currentIndex() == static_cast<int>(KootaTables::Classical)
             ? KootaTables::Classical
             : KootaTables::Specified;
}

}  // namespace lumora::ui
