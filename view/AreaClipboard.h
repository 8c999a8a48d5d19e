#pragma once
// Areas on the system clipboard, in a format of the program's own, so that
// an area copied in one map (or one running copy of the program) can be
// pasted into another. Copying an area empties the clipboard first.

#include <QString>

class CMapData;

class AreaClipboard
{
public:
    // The clipboard format that carries the area block.
    static inline const QString kMimeType = QStringLiteral("application/x-zephyrmap-area");

    // What ClipboardContents reports.
    enum Contents : int { HasText = 1, HasArea = 2 };
    static int ClipboardContents();

    static void CopyAreaToClipboard(const CMapData& area);
    // False, with `area` untouched, when the clipboard holds no area this
    // program can read.
    static bool ReadAreaFromClipboard(CMapData& area, bool dropAttributes);
};
