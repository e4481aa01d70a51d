#include "ui/western/western_session.h"

#include <QMainWindow>

namespace lumora::ui {

// Interim: the Western windows arrive with the Western test.
WesternSession::WesternSession(const Services& services, QMainWindow* main_window)
    : services_(services), main_window_(main_window) {}
WesternSession::~WesternSession() = default;
void WesternSession::ShowInputForm() {}
void WesternSession::HideAll() {}
void WesternSession::PrintReport() {}
void WesternSession::BackToInputForm() {}
void WesternSession::CloseAll() {}
QWidget* WesternSession::InputForm() const {
  return nullptr;
}
QWidget* WesternSession::ReportWindow() const {
  return nullptr;
}

}  // namespace lumora::ui
