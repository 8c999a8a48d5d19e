#include "model/MapCommands.h"

#include "app/AppSettings.h"
#include "model/CZephyrmapDoc.h"
#include "model/Messages.h"
#include "services/LocalFile.h"

namespace mapcmd {

void PlaceDefaultArea(CZephyrmapDoc& doc)
{
    doc.EnsureDefaultArea();
    if (doc.Settings().DefaultAreaTailInEffect)
        doc.MoveDefaultAreaToEnd();
}

std::string MissingPictureMessage(const CZephyrmapDoc& doc)
{
    if (localfile::IsRegularFile(doc.m_imageSrc))
        return std::string();
    return texts::PictureMissing(doc.m_imageSrc);
}

static void Announce(CZephyrmapDoc& doc, DocListener& listener)
{
    std::string missing = MissingPictureMessage(doc);
    if (!missing.empty())
        listener.ShowMessage(missing, false);
}

void AfterMapCreated(CZephyrmapDoc& doc)
{
    PlaceDefaultArea(doc);
    DocListener& listener = doc.Listener();
    Announce(doc, listener);
    listener.ReloadPicture();
    doc.RefreshPictureSize();
    listener.RefreshPages();
    doc.SetPathName(texts::Untitled());
    listener.EnablePanes(true);
    listener.ClearListSelection();
    doc.ShowAreaCount();
}

void AfterNativeLoad(CZephyrmapDoc& doc)
{
    PlaceDefaultArea(doc);
    DocListener& listener = doc.Listener();
    listener.RefreshPages();
    Announce(doc, listener);
    listener.EnablePanes(true);
    listener.ClearListSelection();
    doc.ShowAreaCount();
}

}  // namespace mapcmd
