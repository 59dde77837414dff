#pragma once

class QLabel;
class QWidget;

namespace kx {

// What every window shares for screen readers and the keyboard.

// Makes combo boxes name themselves by their accessible name or their label, as other widgets
// do: Qt on Linux names a combo box by its current item, so a column of boxes reads "--, --,
// --". The current item stays the box's value. Combo boxes and spin boxes also take the
// labels of add_label_relation. Call once the application exists; calling it again does
// nothing.
void install_accessibility();

// Makes `label` the label of `field`: a screen reader names the field by the label's text and
// finds the label through the labelled-by relation, and a mnemonic in the label focuses the
// field. An ampersand in the label's text stays a shown ampersand.
void link_label(QLabel* label, QWidget* field);

// Makes `label` a label of `field` (a combo box or a spin box) as well, for a screen reader
// only: a label has one buddy, and a row's label also names the row's other widgets.
void add_label_relation(QLabel* label, QWidget* field);

// Escape closes `window` (as its close button does, so what closing asks first is asked), unless
// an open list or menu of the window takes it first.
void close_on_escape(QWidget* window);

// Orders Tab through the focusable children of `window` as they read: row by row from the
// top, left to right within a row (a row is a run of widgets whose heights overlap).
void set_reading_order(QWidget* window);

// For a window laid out in fixed pixels: scales the designed layout (taken on the first call)
// by the least factor, never below 1, at which every caption of its buttons, one-line labels
// and lists fits in the font they now have. Call again when the font or the look changes.
void fit_design_to_text(QWidget* window);

} // namespace kx
