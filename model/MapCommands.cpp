#include "model/MapCommands.h"

#include "model/CZephyrmapDoc.h"
#include "model/Messages.h"
#include "services/paths/LocalFile.h"
#include "services/settings/AppSettings.h"

namespace mapcmd
{

// The DEFAULT area exists, and stands last while that rule is in force.
static void PlaceDefaultArea(CZephyrmapDoc& doc)
{
    doc.EnsureDefaultArea();
    if (doc.Settings().DefaultAreaTailInEffect)
        doc.MoveDefaultAreaToEnd();
}

// The picture-missing message, or empty when the picture file exists.
static std::string MissingPictureMessage(const CZephyrmapDoc& doc)
{
    if (localfile::IsRegularFile(localfile::PathOf(doc.ImageSrc())))
        return std::string();
    return texts::PictureMissing(doc.ImageSrc());
}

static void Announce(CZephyrmapDoc& doc, DocListener& listener)
{
    std::string missing = MissingPictureMessage(doc);
    if (!missing.empty())
        listener.ShowMessage(missing, false);
}

// A picture file that is there but cannot be read is told as well: the map
// would otherwise stand over an empty view without a word.
static void ShowPicture(CZephyrmapDoc& doc, DocListener& listener)
{
    const bool loaded = doc.LoadPicture(doc.ImageSrc());
    listener.ShowPicture(doc.ImageSrc());
    if (!loaded && doc.Picture() && localfile::IsRegularFile(localfile::PathOf(doc.ImageSrc())))
        listener.ShowMessage(texts::PictureUnreadable(doc.ImageSrc()), false);
}

void AfterMapCreated(CZephyrmapDoc& doc)
{
    PlaceDefaultArea(doc);
    DocListener& listener = doc.Listener();
    Announce(doc, listener);
    ShowPicture(doc, listener);
    doc.RefreshPictureSize();
    listener.RefreshPages();
    doc.SetPathName(std::string());
    listener.EnablePanes(true);
    listener.ClearListSelection();
    doc.ShowAreaCount();
    doc.SetModified(false); // the first edit makes it modified
}

void AfterNativeLoad(CZephyrmapDoc& doc)
{
    PlaceDefaultArea(doc);
    DocListener& listener = doc.Listener();
    listener.RefreshPages();
    Announce(doc, listener);
    ShowPicture(doc, listener);
    listener.EnablePanes(true);
    listener.ClearListSelection();
    doc.ShowAreaCount();
    doc.SetModified(false);
}

} // namespace mapcmd
