#include "app/ExternalApps.h"

#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlWriter.h"
#include "model/CZephyrmapDoc.h"
#include "services/desktop/DefaultApplication.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/fileinfo/PictureInfo.h"
#include "services/paths/LocalFile.h"
#include "services/paths/PathUtil.h"
#include "services/picture/QtText.h"
#include "services/settings/AppSettings.h"
#include "services/text/Utf8String.h"
#include "view/PaneInterface.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace
{

// The page around the map for the browser. The platform's browsers read
// undeclared bytes as Latin text, so the page says it is UTF-8.
// Its title is translated with the markup around it.
const char kPreviewHead[] =
    QT_TRANSLATE_NOOP("ExternalApps", "<HTML>\r\n\r\n<HEAD>\r\n"
                                      "  <META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\r\n"
                                      "  <TITLE>Zephyrmap !プレビュー</TITLE>\r\n</HEAD>\r\n\r\n<BODY>\r\n\r\n");
const char kPreviewTail[] = "\r\n\r\n</BODY>\r\n\r\n</HTML>";

const char kAppNotFound[] = QT_TRANSLATE_NOOP(
    "ExternalApps", "アプリケーションが見つかりません。\r\n外部アプリケーションの設定を確認して下さい。");
const char kNoAssociation[] = QT_TRANSLATE_NOOP(
    "ExternalApps",
    "ファイルへの関連付けが正しく行われていないため、標準のアプリケーションを見つけることが出来ませんでした。\r\n"
    "WINDOWSのアプリケーションの関連付けを正しく設定するか、Zephyrmap!の[設定]コマンドで外部アプリケーションを指定"
    "してください。");
const char kNoLink[] = QT_TRANSLATE_NOOP("ExternalApps", "このエリアには、リンクが設定されていません。");

enum class FileType { Image, Html, Other };

FileType TypeOf(const std::string& path)
{
    const std::string ext = utf8::ToLower(pictureinfo::ExtensionOf(path));
    for (const char* image : {"jpeg", "jpg", "jfif", "jpe", "gif", "png"}) {
        if (ext == image)
            return FileType::Image;
    }
    for (const char* html : {"html", "htm", "shtml"}) {
        if (ext == html)
            return FileType::Html;
    }
    return FileType::Other;
}

int ErrorNumber(ExternalApps::Outcome outcome)
{
    switch (outcome) {
    case ExternalApps::Outcome::Refused:
        return 1;
    case ExternalApps::Outcome::NotStarted:
        return 2;
    default:
        return 3;
    }
}

// A program named in the settings: a path, or a name looked up on the PATH.
QString ProgramPath(const QString& program)
{
    if (program.contains(QLatin1Char('/')))
        return program;
    return QStandardPaths::findExecutable(program);
}

} // namespace

ExternalApps::ExternalApps(CZephyrmapDoc& doc, AppSettings& settings, PaneInterface& frame, QWidget* owner)
    : launcher(&ExternalApps::Start), textEditorCommand(&ExternalApps::DesktopTextEditor), m_doc(doc),
      m_settings(settings), m_frame(frame), m_owner(owner)
{
}

ExternalApps::~ExternalApps()
{
    m_preview.RemoveIfOurs();
}

std::vector<CommandRoute> ExternalApps::Commands(std::function<bool()> pictureLoaded)
{
    auto mapOpen = [this] { return m_frame.IsMapOpen(); };
    auto rowSelected = [this] { return m_frame.GetSelectedArea() >= 0; };
    auto document = [this] { return !m_doc.HtmlPath().empty(); };
    return {
        {CmdBrowserPreview, [this] { BrowserPreview(); }, mapOpen, {}},
        {CmdSourcePreview, [this] { SourcePreview(); }, mapOpen, {}},
        {CmdEditPicture, [this] { EditPicture(); }, std::move(pictureLoaded), {}},
        {CmdOpenLinkTarget, [this] { OpenLinkTarget(false); }, rowSelected, {}},
        {CmdEditLinkTarget, [this] { OpenLinkTarget(true); }, rowSelected, {}},
        {CmdOpenHtmlDocument, [this] { OpenHtmlDocument(false); }, document, {}},
        {CmdEditHtmlDocument, [this] { OpenHtmlDocument(true); }, document, {}},
    };
}

// ---- Launching ----

ExternalApps::Outcome ExternalApps::Start(const Launch& launch)
{
    if (launch.association) {
        // Without a default application the desktop has nothing to start.
        const QString type = QMimeDatabase().mimeTypeForFile(launch.file).name();
        const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (!query.isEmpty()) {
            QProcess ask;
            ask.start(query, {QStringLiteral("query"), QStringLiteral("default"), type});
            if (ask.waitForFinished(3000) && ask.readAllStandardOutput().trimmed().isEmpty())
                return Outcome::NoAssociation;
        }
        return QDesktopServices::openUrl(QUrl::fromLocalFile(launch.file)) ? Outcome::Started : Outcome::DesktopFailed;
    }
    if (!launch.command.isEmpty()) {
        const QString started = ProgramPath(launch.command.front());
        if (started.isEmpty())
            return Outcome::NotFound;
        return QProcess::startDetached(started, launch.command.mid(1)) ? Outcome::Started : Outcome::NotStarted;
    }
    const QString program = ProgramPath(launch.program);
    const QFileInfo info(program);
    if (program.isEmpty() || !info.isFile() || !info.isExecutable())
        return Outcome::NotFound;
    QProcess process;
    process.setProgram(program);
    process.setArguments({launch.file});
    if (process.startDetached())
        return Outcome::Started;
    return process.error() == QProcess::FailedToStart ? Outcome::Refused : Outcome::NotStarted;
}

void ExternalApps::Warn(const QString& text)
{
    ProgramMessage::Show(m_owner, QMessageBox::Warning, kInfoCaption, text);
}

void ExternalApps::Report(Outcome outcome, bool associationMessage)
{
    switch (outcome) {
    case Outcome::Started:
        return;
    case Outcome::NotFound:
        Warn(QCoreApplication::translate("ExternalApps", kAppNotFound));
        return;
    case Outcome::NoAssociation:
        if (associationMessage) {
            Warn(QCoreApplication::translate("ExternalApps", kNoAssociation));
            return;
        }
        break;
    default:
        break;
    }
    Warn(QCoreApplication::translate("ExternalApps", "ファイルのOPENに失敗しました。(エラー#%1)")
             .arg(ErrorNumber(outcome)));
}

void ExternalApps::LaunchProgram(const std::string& program, const QString& file, bool associationMessage)
{
    Report(launcher({false, ToQString(program), file, {}}), associationMessage);
}

QStringList ExternalApps::DesktopTextEditor(const QString& file)
{
    const DefaultApplication desktop(DefaultApplication::Folders::FromEnvironment());
    const std::optional<DesktopEntry> editor = desktop.For(QStringLiteral("text/plain"));
    return editor ? editor->CommandFor(file) : QStringList();
}

void ExternalApps::LaunchEditor(const std::string& program, const QString& file, bool associationMessage)
{
    const bool opener =
        QFileInfo(ToQString(program)).fileName() == QFileInfo(ToQString(DefaultBrowserPath())).fileName();
    const QStringList command = opener ? textEditorCommand(file) : QStringList();
    if (command.isEmpty()) {
        LaunchProgram(program, file, associationMessage);
        return;
    }
    Launch launch{false, ToQString(program), file, command};
    Report(launcher(launch), associationMessage);
}

void ExternalApps::LaunchAssociation(const QString& file, bool associationMessage)
{
    Report(launcher({true, QString(), file, {}}), associationMessage);
}

// ---- Previews ----

QString ExternalApps::PreviewFolder() const
{
    for (const std::string& path : {m_doc.HtmlPath(), m_doc.ImageSrc()}) {
        if (!path.empty() && localfile::IsRegularFile(localfile::PathOf(path)))
            return QFileInfo(ToQString(path)).absolutePath();
    }
    const QString program = QCoreApplication::applicationDirPath();
    if (QFileInfo(program).isWritable())
        return program;
    return QDir::tempPath();
}

// Into the user's trash, and nowhere else. When the user's data folder does
// not exist yet, Qt 6.4 reports success after moving the file into files/
// and info/ folders it makes in the current folder; the data folder is made
// first, and a file that went anywhere but a trash folder is put back.
bool ExternalApps::MoveToTrash(const QString& path)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data))
        return false;
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return false;
    if (QDir::isAbsolutePath(inTrash))
        return true;
    const QFileInfo stray(inTrash);
    QDir strayTrash = stray.dir(); // its files/ folder
    QFile::rename(stray.absoluteFilePath(), path);
    strayTrash.cdUp();
    QFile::remove(strayTrash.filePath(QStringLiteral("info/%1.trashinfo").arg(stray.fileName())));
    strayTrash.rmdir(QStringLiteral("files")); // only when empty
    strayTrash.rmdir(QStringLiteral("info"));
    return false;
}

QString ExternalApps::WritePreviewFile(const QByteArray& content)
{
    const QString folder = PreviewFolder();
    const QString path = QDir(folder).filePath(kPreviewName);
    // The work file written before goes first, wherever it was, if it is
    // still what was written; anything else at the path is the user's.
    m_preview.RemoveIfOurs();
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        const QString question =
            QCoreApplication::translate("ExternalApps",
                                        "ファイル [ %1 ] が [ %2 ] に\r\n"
                                        "すでに存在するため、作業ファイルを作成できません。\r\n"
                                        "このファイルを別のフォルダに移動するか、削除する必要があります。\r\n"
                                        "ここでこのファイルをごみ箱に移動しますか?")
                .arg(kPreviewName, folder + QLatin1Char('/'));
        if (ProgramMessage::Show(m_owner, QMessageBox::Question, kErrorCaption, question,
                                 QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return QString();
        if (!MoveToTrash(path)) {
            ProgramMessage::Show(m_owner, QMessageBox::Information, kErrorCaption,
                                 QCoreApplication::translate("ExternalApps", "ファイルを削除できませんでした。"));
            return QString();
        }
    }
    QFile file(path);
    // Made new, never opened over a file that came in meanwhile.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        ProgramMessage::Show(
            m_owner, QMessageBox::Critical, kErrorCaption,
            QCoreApplication::translate("ExternalApps", "ファイル \"%1\" を作成できませんでした。\r\n%2")
                .arg(path, file.errorString()));
        return QString();
    }
    // Whatever was at the path is gone by now: the file is ours either way.
    if (file.write(content) == content.size() && file.flush()) {
        m_preview.Wrote(path, content);
        return path;
    }
    const QString reason = file.errorString();
    file.close();
    QFile::remove(path);
    ProgramMessage::Show(m_owner, QMessageBox::Critical, kErrorCaption,
                         QCoreApplication::translate("ExternalApps", "ファイル \"%1\" に書き込めませんでした。\r\n%2")
                             .arg(path, reason));
    return QString();
}

std::string ExternalApps::MapHtml() const
{
    return html::WriteMapHtml(m_doc, HtmlOutputOptions::FromSettings(m_settings));
}

QByteArray ExternalApps::BrowserPreviewPage() const
{
    const bool lower = m_settings.HtmlOption & kLowerCaseTags;
    std::string head = FromQString(QCoreApplication::translate("ExternalApps", kPreviewHead)), tail = kPreviewTail;
    html::ConvertTagCase(head, lower);
    html::ConvertTagCase(tail, lower);
    return QByteArray::fromStdString(head + MapHtml() + tail);
}

void ExternalApps::BrowserPreview()
{
    const QString path = WritePreviewFile(BrowserPreviewPage());
    if (!path.isEmpty())
        LaunchProgram(m_settings.Browser, path, false);
}

// The source in the platform's own text encoding, which its editors read.
void ExternalApps::SourcePreview()
{
    const QString path = WritePreviewFile(QByteArray::fromStdString(MapHtml()));
    if (!path.isEmpty())
        LaunchEditor(m_settings.Editor, path, false);
}

void ExternalApps::EditPicture()
{
    const std::string& picture = m_doc.ImageSrc();
    if (picture.empty() || !localfile::IsRegularFile(localfile::PathOf(picture)))
        return;
    LaunchProgram(m_settings.IMG_Editor, ToQString(picture), false);
}

void ExternalApps::OpenHtmlDocument(bool edit)
{
    const std::string& path = m_doc.HtmlPath();
    if (!localfile::IsRegularFile(localfile::PathOf(path))) {
        Warn(QCoreApplication::translate(
                 "ExternalApps",
                 "ファイル\"%1\"が見つかりませんでした。\r\nマップを使用するHTML文書のパスを確認してください。")
                 .arg(ToQString(path)));
        return;
    }
    const QString file = ToQString(path);
    if (TypeOf(path) != FileType::Html)
        LaunchAssociation(file, false);
    else if (edit)
        LaunchEditor(m_settings.HTML_Editor, file, false);
    else if (m_settings.HTML_App_default)
        LaunchAssociation(file, false);
    else
        LaunchProgram(m_settings.HTML_App, file, false);
}

void ExternalApps::OpenLinkTarget(bool edit)
{
    const CMapData* area = m_doc.AreaAt(m_frame.GetSelectedArea());
    if (!area)
        return;
    if (area->m_href.empty()) {
        Warn(QCoreApplication::translate("ExternalApps", kNoLink));
        return;
    }
    std::string target = area->m_href;
    paths::SplitAnchor(target);
    if (!area->m_hrefIsPath)
        target = paths::ResolveReference(target, m_doc.HtmlPath());
    if (target.empty() || !localfile::IsRegularFile(localfile::PathOf(target))) {
        Warn(QCoreApplication::translate("ExternalApps",
                                         "ファイル\"%1\"が見つかりませんでした。\r\nリンク先を確認してください。")
                 .arg(ToQString(target)));
        return;
    }
    const QString file = ToQString(target);
    switch (TypeOf(target)) {
    case FileType::Image:
        if (edit)
            LaunchProgram(m_settings.IMG_Editor, file, true);
        else if (m_settings.IMG_App_default)
            LaunchAssociation(file, true);
        else
            LaunchProgram(m_settings.IMG_App, file, true);
        break;
    case FileType::Html:
        if (edit)
            LaunchEditor(m_settings.HTML_Editor, file, true);
        else if (m_settings.HTML_App_default)
            LaunchAssociation(file, true);
        else
            LaunchProgram(m_settings.HTML_App, file, true);
        break;
    case FileType::Other:
        LaunchAssociation(file, true);
        break;
    }
}
