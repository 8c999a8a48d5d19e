#pragma once
// Areas on the system clipboard, in formats of the program's own, so that
// areas copied in one map (or one running copy of the program) can be pasted
// into another. Copying empties the clipboard first. The areas go together
// under one name, and the first of them also alone under the name older
// copies of the program read.

#include <QString>

#include <vector>

class CMapData;

class AreaClipboard
{
public:
    // The clipboard format that carries one area's block.
    static inline const QString kMimeType = QStringLiteral("application/x-zephyrmap-area");
    // The one that carries every area copied.
    static inline const QString kManyMimeType = QStringLiteral("application/x-zephyrmap-areas");

    // What ClipboardContents reports.
    enum Contents : int { HasText = 1, HasArea = 2 };
    static int ClipboardContents();

    static void CopyAreasToClipboard(const std::vector<const CMapData*>& areas);
    // False, with `areas` untouched, when the clipboard holds no area this
    // program can read. Every area copied, or the one of an older copy.
    static bool ReadAreasFromClipboard(std::vector<CMapData>& areas, bool dropAttributes);
};
