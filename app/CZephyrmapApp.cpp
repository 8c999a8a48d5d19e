#include "app/CZephyrmapApp.h"

#include "app/CMainFrame.h"
#include "model/CZephyrmapDoc.h"
#include "services/picture/MapPicture.h"

#include <QApplication>

CZephyrmapApp::CZephyrmapApp(std::unique_ptr<SettingsStore> store) : m_store(std::move(store)) {}

CZephyrmapApp::~CZephyrmapApp()
{
    // The document's listener is the frame: the frame goes first.
    if (m_doc)
        m_doc->SetListener(nullptr);
}

void CZephyrmapApp::InitInstance()
{
    m_store->LoadSettings(m_settings);
    m_picture = std::make_unique<MapPicture>();
    m_picture->SetBackgroundColor(m_settings.Bgcolor);
    m_doc = std::make_unique<CZephyrmapDoc>(m_settings, nullptr, m_picture.get());
    m_frame = std::make_unique<CMainFrame>();
    m_frame->SetDocument(m_doc.get());
    m_doc->SetListener(m_frame.get());
    m_frame->show();
}

void CZephyrmapApp::DestroyFrame()
{
    if (m_doc)
        m_doc->SetListener(nullptr);
    m_frame.reset();
}

void CZephyrmapApp::ExitInstance()
{
    m_store->SaveSettings(m_settings);
    m_store->Sync();
}

int CZephyrmapApp::Run()
{
    InitInstance();
    int code = QApplication::exec();
    DestroyFrame();
    ExitInstance();
    return code;
}
