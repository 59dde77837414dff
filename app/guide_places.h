#pragma once

#include <QString>
#include <QUrl>

namespace kx {

// The user guide is built into the editor from docs/guide/ (its Markdown and pictures), under
// this resource folder.
inline constexpr char kGuideRoot[] = "qrc:/guide/";
inline constexpr char kGuideContents[] = "README.md";

// Where F1 opens the guide for a window of the editor, by the window's objectName: its
// chapter, and the section in it where the window is told of. An unknown window gets the
// contents.
QUrl guide_place(const QString& window_name);

// The anchor of a heading, as the guide's own links (and GitHub's pages) write it: lower
// case, blanks as hyphens, punctuation left out.
QString heading_anchor(const QString& heading);

} // namespace kx
