#include "view/AreaClipboard.h"

#include "formats/AreaBlock.h"
#include "model/CMapData.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

int AreaClipboard::ClipboardContents()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return 0;
    const bool area = data->hasFormat(kMimeType) || data->hasFormat(kManyMimeType);
    return (area ? HasArea : 0) | (data->hasText() ? HasText : 0);
}

namespace
{

QByteArray Bytes(const std::string& block)
{
    return QByteArray(block.data(), static_cast<qsizetype>(block.size()));
}

std::string Block(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

void AreaClipboard::CopyAreasToClipboard(const std::vector<const CMapData*>& areas)
{
    if (areas.empty())
        return;
    auto* data = new QMimeData;
    // The one-area block is Shift-JIS, for older copies of the program; an
    // area whose texts it cannot hold goes only in the several-areas block,
    // rather than with its texts spoilt.
    if (areablock::FitsShiftJis(*areas.front()))
        data->setData(kMimeType, Bytes(areablock::Encode(*areas.front())));
    data->setData(kManyMimeType, Bytes(areablock::EncodeMany(areas)));
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it now
}

bool AreaClipboard::ReadAreasFromClipboard(std::vector<CMapData>& areas, bool dropAttributes)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return false;
    if (data->hasFormat(kManyMimeType) &&
        areablock::DecodeMany(Block(data->data(kManyMimeType)), dropAttributes, areas))
        return true;
    CMapData one;
    if (!data->hasFormat(kMimeType) || !areablock::Decode(Block(data->data(kMimeType)), dropAttributes, one))
        return false;
    areas = {one};
    return true;
}
