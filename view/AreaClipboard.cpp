#include "view/AreaClipboard.h"

#include "formats/AreaBlock.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

int AreaClipboard::ClipboardContents()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return 0;
    return (data->hasFormat(kMimeType) ? HasArea : 0) | (data->hasText() ? HasText : 0);
}

void AreaClipboard::CopyAreaToClipboard(const CMapData& area)
{
    const std::string block = areablock::Encode(area);
    auto* data = new QMimeData;
    data->setData(kMimeType, QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it now
}

bool AreaClipboard::ReadAreaFromClipboard(CMapData& area, bool dropAttributes)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(kMimeType))
        return false;
    const QByteArray bytes = data->data(kMimeType);
    return areablock::Decode(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), dropAttributes,
                             area);
}
