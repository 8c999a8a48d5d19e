#pragma once
// "画像を差し替えてエリアを合わせる": the map's picture replaced by a new
// picture of its scene (exported again at another size, cropped, padded,
// compressed anew), its areas carried onto it. The new picture is chosen,
// the transform found between the pictures, the areas shown carried over it
// in the refit dialog, and on OK the picture, WIDTH and HEIGHT and every
// area change as one undo step. The status bar's note offers the command
// while the map's picture is not the size of its WIDTH and HEIGHT.

#include "view/CommandRoute.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CMainFrame;
class CRefitDlg;
class CZephyrmapDoc;
class MapPicture;
class PictureSizeNotice;
class SettingsStore;
struct AppSettings;

class RefitCommands : public QObject
{
    Q_OBJECT
public:
    // `picture` is the map's own picture, as the document loads it.
    RefitCommands(CZephyrmapDoc& doc, const MapPicture& picture, AppSettings& settings, SettingsStore& store,
                  CMainFrame& frame);

    std::vector<CommandRoute> Commands();

    // False when anything was cancelled or refused: the map is as it was.
    bool ReplacePictureAndFit();
    void UpdateNotice();
    PictureSizeNotice& Notice() const { return *m_notice; }

    // Stand-ins for tests: the picture's file dialog (nothing for cancel),
    // and the dialog's run (true for OK).
    std::function<std::optional<std::string>()> choosePicture;
    std::function<bool(CRefitDlg&)> runDialog;

private:
    std::optional<std::string> PickPicture();

    CZephyrmapDoc& m_doc;
    const MapPicture& m_picture;
    AppSettings& m_settings;
    SettingsStore& m_store;
    CMainFrame& m_frame;
    PictureSizeNotice* m_notice; // owned by the status bar
};
