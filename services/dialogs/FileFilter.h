#pragma once
// The program writes its file-type lists as "Description|pattern;pattern|...||"
// and counts the chosen type from 1. These turn such a list into Qt name
// filters and the program's index into a list position and back.

#include <QString>
#include <QStringList>

namespace filefilter
{

// One Qt name filter per type: the description as written, followed by its
// patterns in parentheses for Qt to match (the dialogs hide that tail with
// QFileDialog::HideNameFilterDetails, so the user sees the description only).
// "*.*" means every file, with or without a dot in its name.
QStringList NameFilters(const QString& programFilter);

// The picture types the program reads, as every picture dialog offers them.
QString PictureFilter();

// The list position of a program filter index; 0, a negative index or one
// past the end selects the first type.
int PositionOf(int filterIndex, int count);
// The program filter index of a list position.
int IndexOf(int position);

} // namespace filefilter
