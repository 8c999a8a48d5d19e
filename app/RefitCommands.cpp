#include "app/RefitCommands.h"

#include "app/CMainFrame.h"
#include "app/CRefitDlg.h"
#include "app/PictureSizeNotice.h"
#include "model/CZephyrmapDoc.h"
#include "model/Messages.h"
#include "services/dialogs/CImgFileDlg.h"
#include "services/dialogs/FileFilter.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/language/ProgramTexts.h"
#include "services/picture/MapPicture.h"
#include "services/picture/PictureRefit.h"
#include "services/settings/AppSettings.h"
#include "services/store/SettingsStore.h"

#include <QApplication>
#include <QStatusBar>

RefitCommands::RefitCommands(CZephyrmapDoc& doc, const MapPicture& picture, AppSettings& settings, SettingsStore& store,
                             CMainFrame& frame)
    : m_doc(doc), m_picture(picture), m_settings(settings), m_store(store), m_frame(frame),
      m_notice(new PictureSizeNotice(frame.Action(CmdReplacePictureAndFit), frame.statusBar()))
{
    choosePicture = [this] { return PickPicture(); };
    runDialog = [](CRefitDlg& dialog) { return dialog.exec() == QDialog::Accepted; };
    frame.statusBar()->insertPermanentWidget(0, m_notice);
    m_notice->hide();
    connect(&frame, &CMainFrame::MapMayHaveChanged, this, &RefitCommands::UpdateNotice);
}

std::vector<CommandRoute> RefitCommands::Commands()
{
    return {{CmdReplacePictureAndFit, [this] { ReplacePictureAndFit(); }, [this] { return m_frame.IsMapOpen(); }, {}}};
}

std::optional<std::string> RefitCommands::PickPicture()
{
    CImgFileDlg dialog(m_store, &m_frame);
    dialog.SetShowRelativePath(false);
    dialog.setWindowTitle(tr("差し替える新しい画像の指定"));
    dialog.SetProgramFilter(filefilter::PictureFilter());
    return dialog.Pick(m_store, QStringLiteral("img"), SettingsStore::HomeFolder());
}

bool RefitCommands::ReplacePictureAndFit()
{
    const std::optional<std::string> path = choosePicture();
    if (!path)
        return false;
    MapPicture newer;
    newer.SetBackgroundColor(m_settings.Bgcolor);
    if (!newer.Load(*path)) {
        ProgramMessage::Show(&m_frame, QMessageBox::Warning, kErrorCaption,
                             programtexts::Translate(texts::PictureUnreadable(*path)));
        return false;
    }
    RefitSetup setup;
    setup.newer = &newer;
    setup.oldFrame = picturerefit::OldFrame(m_doc, &m_picture);
    setup.older = picturerefit::OldPictureUsable(m_doc, &m_picture) ? &m_picture : nullptr;
    for (const auto& area : m_doc.Areas())
        setup.areas.emplace_back(area->m_shape, area->m_points);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setup.found = picturerefit::Fit(m_doc, &m_picture, newer);
    QApplication::restoreOverrideCursor();
    CRefitDlg dialog(setup, &m_frame);
    if (!runDialog(dialog) || !dialog.Transform())
        return false;
    const maprefit::Plan plan =
        maprefit::PlanFor(m_doc, *dialog.Transform(), setup.oldFrame, picturerefit::SizeOf(newer), *path);
    m_doc.ReplacePictureUndoable(plan.replacement);
    UpdateNotice();
    return true;
}

void RefitCommands::UpdateNotice()
{
    if (!m_frame.IsMapOpen() || !m_picture.IsLoaded()) {
        m_notice->hide();
        return;
    }
    m_notice->ShowSizes(picturerefit::SizeOf(m_picture), ParseDisplaySize(m_doc.Width(), m_doc.Height()));
}
