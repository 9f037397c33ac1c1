#pragma once

#include <QDialog>
#include <QWidget>

#include <memory>
#include <vector>

namespace kw {

// A dialog that shows every custom control at work, filled with sample data: numeric fields,
// the column list with a context menu copied from its buttons, the colour chooser, tabs whose
// first page can refuse to be left, plain and reversed value bars, a drag image, and buttons that
// open the message dialogs and the input box. For trying the controls out and for screenshots.
// The caller owns the dialog; a `parent` only places it and must outlive it.
std::unique_ptr<QWidget> MakeControlsGallery(QWidget* parent = nullptr);

// The dialogs the gallery opens, filled as it fills them and not yet shown: the message list with
// OK and "Abbruch", the one with OK only, and the input box.
std::vector<std::unique_ptr<QDialog>> MakeControlsGalleryDialogs(QWidget* parent = nullptr);

}  // namespace kw
