// SPDX-License-Identifier: MIT
#pragma once

namespace lumora::ui {

// Makes every list (a QComboBox that takes no typing) that has an accessible name announce
// that name, its selected entry as its value and its text. Qt's own interface for a list gives its
// current entry as its name on Linux and expects the caption to reach a screen reader
// through the label relation, which screen readers do not read for lists: Orca says
// "January, combo box" for the month list. A list without an accessible name keeps
// Qt's reading. Installed once; call it before the first list is shown.
void AnnounceListsByName();

}  // namespace lumora::ui
