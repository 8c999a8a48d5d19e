#include "services/picture/PictureRefit.h"

#include "services/picture/MapPicture.h"
#include "services/picture/PicturePixels.h"

namespace picturerefit
{

DisplaySize SizeOf(const MapPicture& picture)
{
    DisplaySize size;
    if (!picture.LoadedSize(size.width, size.height))
        return {};
    return size;
}

DisplaySize OldFrame(const CZephyrmapDoc& doc, const MapPicture* oldPicture)
{
    return DisplayedSize(doc, oldPicture ? SizeOf(*oldPicture) : DisplaySize());
}

bool OldPictureUsable(const CZephyrmapDoc& doc, const MapPicture* oldPicture)
{
    return oldPicture && oldPicture->IsLoaded() && SizeOf(*oldPicture) == OldFrame(doc, oldPicture);
}

RefitResult Fit(const CZephyrmapDoc& doc, const MapPicture* oldPicture, const MapPicture& newPicture)
{
    if (!newPicture.IsLoaded())
        return TransformFinder::FromSizes(OldFrame(doc, oldPicture), {});
    if (!OldPictureUsable(doc, oldPicture))
        return TransformFinder::FromSizes(OldFrame(doc, oldPicture), SizeOf(newPicture));
    const PicturePixels older = PicturePixels::Of(*oldPicture), newer = PicturePixels::Of(newPicture);
    return TransformFinder().Find(older.Pixels(), newer.Pixels());
}

} // namespace picturerefit
