#include "app/NativeFileCommands.h"

#include "app/SaveFailure.h"
#include "formats/NativeMapFile.h"
#include "model/CZephyrmapDoc.h"
#include "model/MapCommands.h"
#include "services/dialogs/ProgramFileDialog.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/language/ProgramTexts.h"
#include "services/paths/LocalFile.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace
{

const QString kDialogKey = QStringLiteral("zeph");

QString UnreadableNameText(const QString& path)
{
    return QCoreApplication::translate(
               "NativeFileCommands",
               "ファイル名 \"%1\" には、文字として読めないバイトが含まれているため、Zephyrmap!では扱えません。\r\n"
               "ファイルまたはフォルダの名前を変えてから、もう一度開いてください。")
        .arg(path);
}

} // namespace

NativeFileCommands::NativeFileCommands(CZephyrmapDoc& doc, SettingsStore& store, QWidget* window)
    : m_doc(doc), m_store(store), m_window(window), m_recent(store.LoadRecentFiles())
{
    chooseSavePath = [this] { return AskSavePath(); };
}

std::vector<CommandRoute> NativeFileCommands::Commands(std::function<bool()> mapOpen)
{
    return {
        {CmdOpen, [this] { OpenWithDialog(); }, {}, {}},
        {CmdSave, [this] { Save(); }, mapOpen, {}},
        {CmdSaveAs, [this] { SaveAs(); }, mapOpen, {}},
    };
}

void NativeFileCommands::OpenWithDialog()
{
    ProgramFileDialog dialog(ProgramFileDialog::Open, m_window);
    dialog.setWindowTitle(QCoreApplication::translate("NativeFileCommands", "Zephyrmap!形式のファイルを開く"));
    dialog.SetProgramFilter(QCoreApplication::translate("NativeFileCommands", "Zephyrmap!ファイル(*.zmf)|*.zmf||"));
    if (const std::optional<std::string> path = dialog.Pick(m_store, kDialogKey, SettingsStore::HomeFolder()))
        Open(ToQString(*path));
}

bool NativeFileCommands::Open(const QString& path)
{
    const std::string program = FromQString(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    // The command line and a drop give a name whose bytes are not UTF-8 with
    // U+FFFD for them (the file dialogs do not list such names at all): no
    // file has the name shown, and the map would keep it.
    if (localfile::HasUnreadableName(program)) {
        ProgramMessage::Show(m_window, QMessageBox::Critical, kErrorCaption,
                             UnreadableNameText(QDir::toNativeSeparators(ToQString(program))));
        Forget(ToQString(program));
        return false;
    }
    if (saveModified && !saveModified())
        return false;
    if (LoadFile(program))
        return true;
    Forget(ToQString(program));
    return false;
}

// The file is read whole before the map is touched: a file that cannot be
// read leaves the map that was open as it was.
bool NativeFileCommands::LoadFile(const std::string& path)
{
    AppSettings& settings = m_doc.Settings();
    CZephyrmapDoc trial(settings);
    const native::LoadResult tried = native::LoadFromFile(trial, localfile::PathOf(path));
    if (tried != native::LoadResult::Ok && tried != native::LoadResult::OldLayout) {
        // The file is named: a recent file, a dropped one or the command
        // line's may not be the one the user thinks of.
        ProgramMessage::Show(m_window, QMessageBox::Critical, kErrorCaption,
                             QDir::toNativeSeparators(ToQString(path)) + QStringLiteral("\r\n") +
                                 programtexts::Translate(native::MessageFor(tried)));
        return false;
    }
    const native::LoadResult result = native::LoadFromFile(m_doc, localfile::PathOf(path));
    if (result == native::LoadResult::OldLayout)
        ProgramMessage::Show(m_window, QMessageBox::Warning, kErrorCaption, native::MessageFor(result));
    m_doc.SetPathName(path);
    mapcmd::AfterNativeLoad(m_doc);
    m_doc.SetModified(false);
    Remember(ToQString(path));
    return true;
}

bool NativeFileCommands::Save()
{
    if (m_doc.PathName().empty())
        return SaveAs();
    return SaveTo(m_doc.PathName());
}

bool NativeFileCommands::SaveAs()
{
    const std::optional<QString> chosen = chooseSavePath();
    return chosen && SaveTo(FromQString(*chosen));
}

std::optional<QString> NativeFileCommands::AskSavePath()
{
    ProgramFileDialog dialog(ProgramFileDialog::Save, m_window);
    dialog.setWindowTitle(QCoreApplication::translate("NativeFileCommands", "名前を付けて保存"));
    dialog.SetProgramFilter(QCoreApplication::translate("NativeFileCommands", "Zephyrmap ﾌｧｲﾙ (*.zmf)|*.zmf||"));
    dialog.setDefaultSuffix(QStringLiteral("zmf"));
    if (!m_doc.PathName().empty())
        dialog.selectFile(ToQString(m_doc.PathName()));
    const std::optional<std::string> path = dialog.Pick(m_store, kDialogKey, SettingsStore::HomeFolder());
    if (!path)
        return std::nullopt;
    return ToQString(*path);
}

bool NativeFileCommands::SaveTo(const std::string& path)
{
    if (beforeSave)
        beforeSave();
    std::string reason;
    if (!native::SaveToFile(m_doc, localfile::PathOf(path), reason)) {
        ProgramMessage::Show(m_window, QMessageBox::Critical, kErrorCaption,
                             SaveFailure::Message(ToQString(path), reason));
        return false;
    }
    m_doc.SetPathName(path);
    m_doc.SetModified(false);
    Remember(ToQString(path));
    return true;
}

// A file that cannot be opened leaves the list.
void NativeFileCommands::Forget(const QString& path)
{
    if (!m_recent.removeAll(path))
        return;
    m_store.SaveRecentFiles(m_recent);
    if (recentFilesChanged)
        recentFilesChanged(m_recent);
}

void NativeFileCommands::Remember(const QString& path)
{
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > SettingsStore::kRecentFiles)
        m_recent.removeLast();
    m_store.SaveRecentFiles(m_recent);
    if (recentFilesChanged)
        recentFilesChanged(m_recent);
}
