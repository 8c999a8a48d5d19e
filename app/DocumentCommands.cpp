#include "app/DocumentCommands.h"

#include "app/CMainFrame.h"
#include "app/CSaveChangesDlg.h"
#include "app/ClipboardLifetime.h"
#include "app/NativeFileCommands.h"
#include "app/SaveFailure.h"
#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/PageUpdate.h"
#include "model/CZephyrmapDoc.h"
#include "model/MapCommands.h"
#include "model/Messages.h"
#include "panes/CHtmlDocDlg.h"
#include "panes/CMapChoiceDlg.h"
#include "panes/CMapSetupDlg.h"
#include "services/dialogs/CTextFileDlg.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/paths/LocalFile.h"
#include "services/paths/PathUtil.h"
#include "services/picture/QtText.h"
#include "services/settings/AppSettings.h"
#include "services/store/SettingsStore.h"
#include "services/text/HtmlPageText.h"
#include "services/text/TextCodec.h"
#include "services/text/TextOutput.h"
#include "services/text/Utf8String.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>

#include <filesystem>

namespace
{

const QString kHtmlKey = QStringLiteral("html");
const char kOpenFilter[] = QT_TRANSLATE_NOOP(
    "DocumentCommands",
    "HTMLファイル(*.htm* *.shtm*)|*.htm*;*.shtm*|テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*||");
const char kSaveFilter[] = QT_TRANSLATE_NOOP(
    "DocumentCommands", "HTML文書(*.*htm* )|*.*htm*|テキスト文書(*.txt )|*.txt|すべてのファイル(*.*)|*.*||");

// A text of this file in the language of the run.
QString Utf8(const char* text)
{
    return QCoreApplication::translate("DocumentCommands", text);
}

} // namespace

DocumentCommands::DocumentCommands(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, CMainFrame& frame,
                                   NativeFileCommands& files)
    : m_doc(doc), m_settings(settings), m_store(store), m_frame(frame), m_files(files)
{
    chooseSaveTarget = [this] { return AskSaveTarget(); };
    chooseOpenSource = [this] { return AskOpenSource(); };
    chooseMap = [this](const std::vector<FoundMap>& maps) { return CMapChoiceDlg::ChooseMap(maps, &m_frame); };
    chooseHtmlDocument = [this]() -> std::optional<std::string> {
        CHtmlDocDlg dialog(m_store, &m_frame);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.HtmlPath();
    };
    setUpMap = [this]() -> std::optional<std::vector<std::string>> {
        CMapSetupDlg dialog(m_store, &m_frame);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return std::vector<std::string>{dialog.MapName(), dialog.PicturePath(), dialog.HtmlPath()};
    };
    askSaveChanges = [this] { return CSaveChangesDlg(&m_frame).exec(); };
    clipboardOutlivesProgram = &ClipboardLifetime::OutlivesProgram;
}

std::vector<CommandRoute> DocumentCommands::Commands()
{
    auto mapOpen = [this] { return m_frame.IsMapOpen(); };
    auto clipboardText = [] {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasText();
    };
    return {
        {CmdNewMap, [this] { NewMap(); }, {}, {}},
        {CmdOpenFromHtmlFile, [this] { OpenFromHtmlFile(); }, {}, {}},
        {CmdOpenFromClipboard, [this] { OpenFromClipboard(); }, clipboardText, {}},
        {CmdSaveHtmlSource, [this] { SaveHtmlSource(); }, mapOpen, {}},
        {CmdCopyHtmlToClipboard, [this] { CopyHtmlToClipboard(); }, mapOpen, {}},
        {CmdUpdateHtmlDocument, [this] { UpdateHtmlDocument(); }, [this] { return CanUpdateHtmlDocument(); }, {}},
    };
}

// ---- The question about changes ----

bool DocumentCommands::SaveModified(bool exiting)
{
    m_frame.CommitPendingEdits();
    if (!m_doc.IsModified())
        return true;
    switch (askSaveChanges()) {
    case CSaveChangesDlg::SaveText:
        return SaveHtmlSource();
    case CSaveChangesDlg::CopyToClipboard:
        if (exiting && !clipboardOutlivesProgram()) {
            // The text would go with the program: the map stays, and the user
            // chooses another way.
            ProgramMessage::Show(
                &m_frame, QMessageBox::Warning, kErrorCaption,
                QCoreApplication::translate("DocumentCommands",
                                            "クリップボードの内容を保持するプログラムが動いていないため、"
                                            "Zephyrmap!を終了するとクリップボードの内容は失われます。\r\n"
                                            "HTMLソースをファイルに保存するか、Zephyrmap!形式で保存してから"
                                            "終了してください。"));
            return false;
        }
        return CopyHtmlToClipboard();
    case CSaveChangesDlg::SaveNative:
        return m_files.Save();
    case CSaveChangesDlg::Discard:
        return true;
    default:
        return false;
    }
}

// ---- Starting and reading maps ----

void DocumentCommands::NewMap()
{
    if (!SaveModified())
        return;
    const std::optional<std::vector<std::string>> setUp = setUpMap();
    if (!setUp)
        return;
    m_doc.DeleteContents();
    const std::string& name = (*setUp)[0];
    m_doc.SetAttribute(AttrMapName, name.empty() ? texts::DefaultMapName() : name);
    m_doc.SetAttribute(AttrImageSrc, (*setUp)[1]);
    m_doc.SetAttribute(AttrHtmlPath, (*setUp)[2]);
    mapcmd::AfterMapCreated(m_doc);
}

std::optional<DocumentCommands::OpenSource> DocumentCommands::AskOpenSource()
{
    CTextFileDlg dialog(m_store, CTextFileDlg::Options::OpeningHtmlFile(), &m_frame);
    dialog.setWindowTitle(QCoreApplication::translate("DocumentCommands", "HTMLファイルから開く"));
    dialog.SetProgramFilter(Utf8(kOpenFilter));
    const std::optional<std::string> path = dialog.Pick(m_store, kHtmlKey, SettingsStore::HomeFolder());
    if (!path)
        return std::nullopt;
    return OpenSource{*path, dialog.EncodingCode()};
}

void DocumentCommands::OpenFromHtmlFile()
{
    if (!SaveModified())
        return;
    const std::optional<OpenSource> source = chooseOpenSource();
    if (!source)
        return;
    std::string bytes, reason;
    if (!localfile::ReadWholeFile(localfile::PathOf(source->path), bytes, reason)) {
        ProgramMessage::Show(&m_frame, QMessageBox::Critical, kErrorCaption, texts::CannotOpenFile());
        return;
    }
    const PageText page = DecodeHtmlPage(bytes, source->encoding);
    if (ReadMapFrom(page.text, source->path, {}))
        ShowReplaced(page.replaced, page.firstReplacedLine);
}

void DocumentCommands::OpenFromClipboard()
{
    if (!SaveModified())
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    const PageText page = DecodeHtmlPage(data->text().toStdString(), EncodingUtf8);
    if (ReadMapFrom(page.text, std::string(), chooseHtmlDocument))
        ShowReplaced(page.replaced, page.firstReplacedLine);
}

// The maps of `text`; one chosen among several; the document asked for when
// the text came from no file. False when nothing was read in.
bool DocumentCommands::ReadMapFrom(const std::string& text, const std::string& documentPath,
                                   const std::function<std::optional<std::string>()>& askDocument)
{
    std::vector<FoundMap> maps = html::FindMaps(text);
    if (maps.empty()) {
        ProgramMessage::Show(&m_frame, QMessageBox::Warning, kErrorCaption, texts::NoMapInHtml());
        return false;
    }
    const int index = maps.size() == 1 ? 0 : chooseMap(maps);
    if (index < 0 || index >= static_cast<int>(maps.size()))
        return false;
    std::string document = documentPath;
    if (askDocument) {
        const std::optional<std::string> asked = askDocument();
        if (!asked)
            return false;
        document = *asked;
    }
    m_doc.DeleteContents();
    maps[static_cast<std::size_t>(index)].documentPath = document;
    if (!html::BuildDocumentFromMap(m_doc, maps, index))
        ProgramMessage::Show(&m_frame, QMessageBox::NoIcon, kErrorCaption, texts::HtmlSyntaxError());
    mapcmd::AfterMapCreated(m_doc);
    return true;
}

void DocumentCommands::ShowReplaced(std::size_t count, std::size_t line)
{
    if (count > 0)
        ProgramMessage::Show(&m_frame, QMessageBox::Warning, kErrorCaption, texts::CharactersReplaced(count, line));
}

// ---- Putting the source out ----

std::string DocumentCommands::MapSource() const
{
    return html::WriteMapHtml(m_doc, HtmlOutputOptions::FromSettings(m_settings));
}

std::string DocumentCommands::WithExtension(const std::string& path, int filterIndex)
{
    // Only the file's own name counts: a folder such as "john.doe" has no
    // say in whether the file has an extension.
    if (utf8::FindChar(paths::DirectoryOf(path).second, '.') != std::string::npos)
        return path;
    if (filterIndex <= 1)
        return path + ".html";
    if (filterIndex == 2)
        return path + ".txt";
    return path;
}

// The folder and file type are remembered once the file is written, not
// when the dialog closes: an overwrite refused or a failed write keeps the
// ones before.
std::optional<DocumentCommands::SaveTarget> DocumentCommands::AskSaveTarget()
{
    return AskTextSaveTarget(m_store, &m_frame,
                             QCoreApplication::translate("DocumentCommands", "ソースコードをファイルに保存"),
                             Utf8(kSaveFilter), kHtmlKey);
}

std::optional<DocumentCommands::SaveTarget> DocumentCommands::AskTextSaveTarget(SettingsStore& store, QWidget* parent,
                                                                                const QString& title,
                                                                                const QString& filter,
                                                                                const QString& key)
{
    CTextFileDlg dialog(store, CTextFileDlg::Options::SavingHtmlSource(), parent);
    dialog.setWindowTitle(title);
    dialog.SetProgramFilter(filter);
    const SettingsStore::DialogStart start = store.OpenDialog(key, SettingsStore::HomeFolder());
    dialog.setDirectory(start.folder);
    dialog.SetFilterIndex(start.filterIndex);
    const std::optional<std::string> path = dialog.Run();
    if (!path)
        return std::nullopt;
    return SaveTarget{*path, dialog.EncodingCode(), dialog.LineEndCode(), dialog.FilterIndex()};
}

bool DocumentCommands::ConfirmOverwrite(QWidget* parent, const std::string& path, bool& again)
{
    again = false;
    std::error_code ec;
    if (!std::filesystem::exists(localfile::PathOf(path), ec))
        return true;
    const std::size_t dot = utf8::ReverseFindChar(path, '.');
    const std::string extension = dot == std::string::npos ? std::string() : utf8::ToLower(path.substr(dot + 1));
    const char* question =
        extension.find("htm") != std::string::npos
            ? QT_TRANSLATE_NOOP(
                  "DocumentCommands",
                  "はすでに存在します。\r\n上書きすると、クリッカブルマップタグ以外のHTMLソースは失われます。"
                  "\r\n上書きしますか?")
            : QT_TRANSLATE_NOOP("DocumentCommands", "はすでに存在します。\r\n上書きしますか?");
    const QString text =
        QCoreApplication::translate("DocumentCommands", "ファイル\"%1\"").arg(ToQString(paths::FileNameOf(path))) +
        Utf8(question);
    switch (ProgramMessage::Show(parent, QMessageBox::Information, kInfoCaption, text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No)) {
    case QMessageBox::Yes:
        return true;
    case QMessageBox::No:
        again = true;
        return false;
    default:
        return false;
    }
}

bool DocumentCommands::SaveHtmlSource()
{
    m_frame.CommitPendingEdits(); // what is saved is the map as shown
    std::string text = MapSource();
    const std::optional<SaveTarget> target = SettledTarget(&m_frame, chooseSaveTarget, &WithExtension);
    if (!target || !WriteSourceFile(&m_frame, std::move(text), *target))
        return false;
    m_store.ConfirmDialog(kHtmlKey, ToQString(target->path), target->filterIndex);
    m_doc.SetModified(false);
    return true;
}

std::optional<DocumentCommands::SaveTarget>
DocumentCommands::SettledTarget(QWidget* parent, const std::function<std::optional<SaveTarget>()>& choose,
                                std::string (*withExtension)(const std::string&, int))
{
    for (;;) {
        std::optional<SaveTarget> target = choose();
        if (!target)
            return std::nullopt;
        target->path = withExtension(target->path, target->filterIndex);
        bool again = false;
        if (ConfirmOverwrite(parent, target->path, again))
            return target;
        if (!again)
            return std::nullopt;
    }
}

bool DocumentCommands::WriteSourceFile(QWidget* parent, std::string text, const SaveTarget& target)
{
    TextCodec::ConvertLineEnds(LineEndCrLf, target.lineEnd, text);
    // A character the chosen encoding lacks goes as a character reference.
    const std::string bytes = textout::Encode(text, target.encoding, true);
    std::string reason;
    if (localfile::WriteFileAtomically(localfile::PathOf(target.path), bytes, reason))
        return true;
    ProgramMessage::Show(parent, QMessageBox::Critical, kErrorCaption,
                         SaveFailure::Message(ToQString(target.path), reason));
    return false;
}

bool DocumentCommands::CopyHtmlToClipboard()
{
    m_frame.CommitPendingEdits();
    if (!PutOnClipboard(
            &m_frame, MapSource(),
            QCoreApplication::translate("DocumentCommands", "HTMLソースをクリップボードにコピーしました。")))
        return false;
    m_doc.SetModified(false);
    return true;
}

bool DocumentCommands::PutOnClipboard(QWidget* parent, std::string text, const QString& done)
{
    // The platform's text uses LF alone.
    TextCodec::ConvertLineEnds(LineEndCrLf, LineEndLf, text);
    const QString copied = ToQString(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(copied);
    // The system may refuse the clipboard to us: read back what it holds.
    if (clipboard->text() != copied) {
        ProgramMessage::Show(parent, QMessageBox::Warning, kErrorCaption,
                             QCoreApplication::translate("DocumentCommands",
                                                         "クリップボードへのデータ転送に失敗しました。\r\n"
                                                         "もう一度操作をやり直してみて下さい。"));
        return false;
    }
    ProgramMessage::Show(parent, QMessageBox::Information, kInfoCaption, done);
    return true;
}

// ---- Putting the map back into its page ----

bool DocumentCommands::CanUpdateHtmlDocument() const
{
    return m_frame.IsMapOpen() && !m_doc.HtmlPath().empty() &&
           localfile::IsRegularFile(localfile::PathOf(m_doc.HtmlPath()));
}

bool DocumentCommands::UpdateHtmlDocument()
{
    if (!CanUpdateHtmlDocument())
        return false;
    m_frame.CommitPendingEdits();
    const QString page = ToQString(paths::FileNameOf(m_doc.HtmlPath()));
    const PageUpdateTarget target{m_doc.HtmlPath(), EncodingAuto, std::string()};
    const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(m_settings);
    // A page without the map is told before the question, not after it.
    std::string bytes, reason;
    if (localfile::ReadWholeFile(localfile::PathOf(m_doc.HtmlPath()), bytes, reason) &&
        html::UpdateMapInPage(bytes, target, m_doc, options).status == PageUpdateStatus::NoSuchMap)
        return OfferSourceForPage(page);
    const QString question =
        QCoreApplication::translate("DocumentCommands",
                                    "ファイル\"%1\"の中のマップ\"%2\"を、編集中のマップで更新しますか?\r\n"
                                    "元のファイルは\"%1~\"として残ります。")
            .arg(page, ToQString(m_doc.MapName()));
    if (ProgramMessage::Show(&m_frame, QMessageBox::Question, kInfoCaption, question,
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return false;
    const PageUpdate update = html::UpdateMapInPageFile(target, std::string(), m_doc, options);
    if (update.status == PageUpdateStatus::NoSuchMap)
        return OfferSourceForPage(page);
    if (!update.Ok()) {
        ReportUpdateFailure(update, page);
        return false;
    }
    const int replaced = update.report.changedAreaTags + update.report.removedAreaTags;
    ProgramMessage::Show(
        &m_frame, QMessageBox::Information, kInfoCaption,
        QCoreApplication::translate("DocumentCommands", "AREA %n 個を更新しました", nullptr, replaced));
    m_doc.SetModified(false);
    return true;
}

bool DocumentCommands::OfferSourceForPage(const QString& page)
{
    const QString offer =
        QCoreApplication::translate("DocumentCommands", "ファイル\"%1\"には、マップ\"%2\"がありません。\r\n"
                                                        "HTMLソースを保存しますか?")
            .arg(page, ToQString(m_doc.MapName()));
    if (ProgramMessage::Show(&m_frame, QMessageBox::Question, kInfoCaption, offer, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::Yes) == QMessageBox::Yes)
        return SaveHtmlSource();
    return false;
}

void DocumentCommands::ReportUpdateFailure(const PageUpdate& update, const QString& page)
{
    // %1 the page, %2 the line where it happened; the file failures, %2 the reason.
    const QString unchanged = QCoreApplication::translate("DocumentCommands", "\r\nファイルは変更していません。");
    QString text;
    QString detail = QString::number(update.line);
    switch (update.status) {
    case PageUpdateStatus::CannotEncode:
        text = QCoreApplication::translate(
                   "DocumentCommands",
                   "マップの文字の中に、ファイル\"%1\"の文字エンコードで表せないものがあります(%2行目)。") +
               unchanged;
        break;
    case PageUpdateStatus::CannotKeep:
        text =
            QCoreApplication::translate(
                "DocumentCommands", "ファイル\"%1\"の%2行目の書き換える部分に、Zephyrmap!で扱えない文字があります。") +
            unchanged;
        break;
    case PageUpdateStatus::Tangled:
        text = QCoreApplication::translate(
                   "DocumentCommands",
                   "ファイル\"%1\"の%2行目で、マップのタグがページの他の部分(閉じていないコメントや引用符、"
                   "マップの文字の中のタグなど)とつながっているため、マップだけを書き換えることができません。") +
               unchanged;
        break;
    default:
        text = QCoreApplication::translate("DocumentCommands", "ファイル\"%1\"を更新できませんでした。\r\n%2");
        detail = QString::fromStdString(update.reason);
        break;
    }
    ProgramMessage::Show(&m_frame, QMessageBox::Warning, kErrorCaption, text.arg(page, detail));
}
