#include "app/CZephyrmapApp.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CPrpIni.h"
#include "app/DocumentCommands.h"
#include "app/ExternalApps.h"
#include "app/InstalledFiles.h"
#include "app/NativeFileCommands.h"
#include "app/RefitCommands.h"
#include "app/SvgCommands.h"
#include "model/CZephyrmapDoc.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/picture/MapPicture.h"
#include "view/CZephyrmapView.h"
#include "view/ZoomedPicture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

CZephyrmapApp::CZephyrmapApp(std::unique_ptr<SettingsStore> store) : m_store(std::move(store)) {}

CZephyrmapApp::~CZephyrmapApp()
{
    DestroyFrame();
}

void CZephyrmapApp::InitInstance(const QStringList& arguments, bool show)
{
    m_store->LoadSettings(m_settings);
    m_picture = std::make_unique<MapPicture>();
    m_picture->SetBackgroundColor(m_settings.Bgcolor);
    m_zoomed = std::make_unique<ZoomedPicture>(*m_picture);
    m_doc = std::make_unique<CZephyrmapDoc>(m_settings, nullptr, m_zoomed.get());
    m_frame = std::make_unique<CMainFrame>(*m_doc, m_settings, *m_store, *m_zoomed);
    m_doc->SetListener(m_frame.get());
    m_files = std::make_unique<NativeFileCommands>(*m_doc, *m_store, m_frame.get());
    m_externals = std::make_unique<ExternalApps>(*m_doc, m_settings, *m_frame, &m_frame->View());
    m_commands = std::make_unique<DocumentCommands>(*m_doc, m_settings, *m_store, *m_frame, *m_files);
    m_svg = std::make_unique<SvgCommands>(*m_doc, m_settings, *m_store, *m_frame);
    m_refit = std::make_unique<RefitCommands>(*m_doc, *m_picture, m_settings, *m_store, *m_frame);
    ConnectCommands();
    m_doc->DeleteContents();
    m_frame->View().InitialUpdate();
    if (show)
        m_frame->ShowAsRemembered();
    // The window comes first: a file that cannot be opened is reported over
    // it and leaves the editor running, empty, instead of ending it.
    if (!arguments.isEmpty())
        m_files->Open(arguments.front());
}

void CZephyrmapApp::ConnectCommands()
{
    CMainFrame* frame = m_frame.get();
    m_frame->AddCommands(m_files->Commands([frame] { return frame->IsMapOpen(); }));
    m_frame->AddCommands(m_externals->Commands([this] { return m_picture->IsLoaded(); }));
    m_files->recentFilesChanged = [frame](const QStringList& files) { frame->SetRecentFiles(files); };
    m_frame->SetRecentFiles(m_files->RecentFiles());
    m_frame->SetRecentFileHandler([this](const QString& path) { m_files->Open(path); });
    m_frame->SetDropHandler([this](const QString& path) { m_files->Open(path); });
    m_frame->AddCommands(m_commands->Commands());
    m_frame->AddCommands(m_svg->Commands());
    m_frame->AddCommands(m_refit->Commands());
    m_files->saveModified = [this] { return m_commands->SaveModified(); };
    m_files->beforeSave = [frame] { frame->CommitPendingEdits(); };
    m_frame->SetSaveModifiedCheck([this] { return m_commands->SaveModified(true); });
    m_frame->AddCommands({
        {CmdHelp, [this] { Help(); }, {}, {}},
        {CmdReadMe, [this] { ReadMe(); }, {}, {}},
        {CmdAbout, [this] { About(); }, {}, {}},
        {CmdSettings, [this] { EditSettings(); }, {}, {}},
    });
}

void CZephyrmapApp::DestroyFrame()
{
    if (m_doc)
        m_doc->SetListener(nullptr);
    m_refit.reset();
    m_svg.reset();
    m_commands.reset();
    m_externals.reset();
    m_files.reset();
    m_frame.reset();
}

void CZephyrmapApp::ExitInstance()
{
    m_store->SaveSettings(m_settings);
    m_store->Sync();
}

int CZephyrmapApp::Run(const QStringList& arguments)
{
    InitInstance(arguments);
    const int code = QApplication::exec();
    DestroyFrame();
    ExitInstance();
    return code;
}

void CZephyrmapApp::Help()
{
    OpenShippedFile(InstalledFiles::HelpPagePath());
}

void CZephyrmapApp::ReadMe()
{
    OpenShippedFile(InstalledFiles::ReadMePath());
}

// The help page and the ReadMe open with the desktop's own program for them;
// a file that is not there, or that nothing opens, is told rather than
// passed over without a word.
bool CZephyrmapApp::OpenShippedFile(const QString& path)
{
    QString problem;
    if (!QFileInfo(path).isFile())
        problem = QCoreApplication::translate("CZephyrmapApp",
                                              "ファイル \"%1\" が見つかりません。\r\nZephyrmap!を入れ直してください。");
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        problem =
            QCoreApplication::translate("CZephyrmapApp", "ファイル \"%1\" を開くアプリケーションが見つかりません。");
    if (problem.isEmpty())
        return true;
    ProgramMessage::Show(m_frame.get(), QMessageBox::Warning, kErrorCaption,
                         problem.arg(QDir::toNativeSeparators(path)));
    return false;
}

void CZephyrmapApp::About()
{
    CAboutDlg(m_frame.get()).exec();
}

// After OK the list shows the new shape keywords, and the view the new colours.
void CZephyrmapApp::EditSettings()
{
    bool displayChanged = false;
    if (!CPrpIni::Run(m_settings, *m_store, m_frame.get(), displayChanged))
        return;
    const int selected = m_frame->GetSelectedArea();
    m_frame->FillList();
    if (selected >= 0)
        m_frame->SelectArea(selected);
    if (displayChanged)
        m_frame->View().RefreshAfterSettings();
}
