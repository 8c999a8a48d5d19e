#include "app/SvgCommands.h"

#include "app/CMainFrame.h"
#include "formats/HtmlOutputOptions.h"
#include "formats/SvgWriter.h"
#include "model/CZephyrmapDoc.h"
#include "services/dialogs/CTextFileDlg.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"
#include "services/text/Utf8String.h"
#include "services/types/PictureSource.h"

#include <algorithm>

#include <QCoreApplication>

namespace
{

// The SVG dialog remembers its own folder and file type.
const QString kSvgKey = QStringLiteral("svg");
const char kSaveFilter[] = QT_TRANSLATE_NOOP(
    "SvgCommands",
    "SVG文書(*.svg)|*.svg|HTML文書(*.*htm* )|*.*htm*|テキスト文書(*.txt )|*.txt|すべてのファイル(*.*)|*.*||");

} // namespace

SvgCommands::SvgCommands(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, CMainFrame& frame)
    : m_doc(doc), m_settings(settings), m_store(store), m_frame(frame)
{
    chooseSaveTarget = [this] { return AskSaveTarget(); };
}

std::vector<CommandRoute> SvgCommands::Commands()
{
    auto mapOpen = [this] { return m_frame.IsMapOpen(); };
    return {
        {CmdSaveSvgSource, [this] { SaveSvgSource(); }, mapOpen, {}},
        {CmdCopySvgToClipboard, [this] { CopySvgToClipboard(); }, mapOpen, {}},
    };
}

std::string SvgCommands::SvgSource() const
{
    DisplaySize picture;
    if (m_doc.Picture())
        m_doc.Picture()->LoadedSize(picture.width, picture.height);
    return svg::WriteMapSvg(m_doc, HtmlOutputOptions::FromSettings(m_settings), picture);
}

std::string SvgCommands::WithExtension(const std::string& path, int filterIndex)
{
    if (utf8::FindChar(path, '.') != std::string::npos || filterIndex > 3)
        return path;
    static const char* const kExtensions[] = {".svg", ".html", ".txt"};
    return path + kExtensions[std::max(filterIndex, 1) - 1];
}

std::optional<DocumentCommands::SaveTarget> SvgCommands::AskSaveTarget()
{
    return DocumentCommands::AskTextSaveTarget(m_store, &m_frame,
                                               QCoreApplication::translate("SvgCommands", "SVGソースをファイルに保存"),
                                               QCoreApplication::translate("SvgCommands", kSaveFilter), kSvgKey);
}

bool SvgCommands::SaveSvgSource()
{
    m_frame.CommitPendingEdits(); // what is saved is the map as shown
    const std::string text = SvgSource();
    const std::optional<DocumentCommands::SaveTarget> target =
        DocumentCommands::SettledTarget(&m_frame, chooseSaveTarget, &WithExtension);
    if (!target || !DocumentCommands::WriteSourceFile(&m_frame, text, *target))
        return false;
    m_store.ConfirmDialog(kSvgKey, ToQString(target->path), target->filterIndex);
    return true;
}

bool SvgCommands::CopySvgToClipboard()
{
    m_frame.CommitPendingEdits();
    return DocumentCommands::PutOnClipboard(
        &m_frame, SvgSource(),
        QCoreApplication::translate("SvgCommands", "SVGソースをクリップボードにコピーしました。"));
}
