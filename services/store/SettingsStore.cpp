#include "services/store/SettingsStore.h"

#include "services/picture/QtText.h"
#include "services/text/Utf8Bridge.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

SettingsStore::SettingsStore()
    : m_store(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Nimbleworks"),
                                          QStringLiteral("Zephyrmap!")))
{
}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_store(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::HomeFolder()
{
    return QDir::homePath();
}

void SettingsStore::Sync()
{
    m_store->sync();
}

int SettingsStore::ReadInt(const QString& section, const QString& name, int fallback)
{
    bool ok = false;
    int value = m_store->value(section + QLatin1Char('/') + name).toInt(&ok);
    return ok ? value : fallback;
}

void SettingsStore::WriteInt(const QString& section, const QString& name, int value)
{
    m_store->setValue(section + QLatin1Char('/') + name, value);
}

QString SettingsStore::ReadString(const QString& name, const std::string& fallback)
{
    return m_store->value(QStringLiteral("Settings/") + name, ToQString(fallback)).toString();
}

void SettingsStore::LoadSettings(AppSettings& s)
{
    const AppSettings d;
    const QString g = QStringLiteral("Settings");
    auto readInt = [&](const char* name, int fallback) { return ReadInt(g, QLatin1String(name), fallback); };
    auto readText = [&](const char* name, const std::string& fallback) {
        return FromQString(ReadString(QLatin1String(name), fallback));
    };
    s.SRC_RelativePath = readInt("SRC_RelativePath", d.SRC_RelativePath);
    s.HREF_RelativePath = readInt("HREF_RelativePath", d.HREF_RelativePath);
    s.Editor = readText("Editor", d.Editor);
    s.Browser = readText("Browser", d.Browser);
    s.IMG_App = readText("IMG_App", d.IMG_App);
    s.HTML_App = readText("HTML_App", d.HTML_App);
    s.HTML_Editor = readText("HTML_Editor", d.HTML_Editor);
    s.IMG_Editor = readText("IMG_Editor", d.IMG_Editor);
    s.IMG_App_default = readInt("IMG_App_default", d.IMG_App_default);
    s.HTML_App_default = readInt("HTML_App_default", d.HTML_App_default);
    s.Bgcolor = static_cast<ColorRef>(readInt("Bgcolor", static_cast<int>(d.Bgcolor)));
    s.HtmlOption = static_cast<std::uint32_t>(readInt("HtmlOption", static_cast<int>(d.HtmlOption)));
    s.nIndentSpace = readInt("nIndentSpace", d.nIndentSpace);
    // Stored as an integer percentage, read as unsigned.
    s.magni = static_cast<float>(static_cast<unsigned>(readInt("magni", 100))) * 0.01f;
    s.OutlineColor = static_cast<ColorRef>(readInt("OutlineColor", static_cast<int>(d.OutlineColor)));
    s.HatchColor = static_cast<ColorRef>(readInt("HatchColor", static_cast<int>(d.HatchColor)));
    s.Hatching = readInt("Hatching", d.Hatching);
    s.DEFAULTArea_Tail = readInt("DEFAULTArea_Tail", d.DEFAULTArea_Tail);
    s.OmitInPageLinkFileName = readInt("OmitInPageLinkFileName", d.OmitInPageLinkFileName);
    s.KeepTool = readInt("KeepTool", d.KeepTool);
    s.GridSpacing = std::clamp(readInt("GridSpacing", d.GridSpacing), 1, 1000);
    s.GridColor = static_cast<ColorRef>(readInt("GridColor", static_cast<int>(d.GridColor)));
    s.ShowGrid = readInt("ShowGrid", d.ShowGrid);
    s.SnapToGrid = readInt("SnapToGrid", d.SnapToGrid);
    s.SnapToAreas = readInt("SnapToAreas", d.SnapToAreas);
    s.nTraceTolerance = readInt("nTraceTolerance", d.nTraceTolerance);
    s.nTraceSimplify = readInt("nTraceSimplify", d.nTraceSimplify);
    s.Language = std::clamp(readInt("Language", d.Language), 0, 2);
    s.DefaultAreaTailInEffect = s.DEFAULTArea_Tail;
}

void SettingsStore::SaveSettings(const AppSettings& s)
{
    m_store->beginGroup(QStringLiteral("Settings"));
    auto put = [&](const char* name, const QVariant& v) { m_store->setValue(QLatin1String(name), v); };
    put("SRC_RelativePath", s.SRC_RelativePath);
    put("HREF_RelativePath", s.HREF_RelativePath);
    put("Editor", ToQString(s.Editor));
    put("Browser", ToQString(s.Browser));
    put("IMG_App", ToQString(s.IMG_App));
    put("HTML_App", ToQString(s.HTML_App));
    put("HTML_Editor", ToQString(s.HTML_Editor));
    put("IMG_Editor", ToQString(s.IMG_Editor));
    put("IMG_App_default", s.IMG_App_default);
    put("HTML_App_default", s.HTML_App_default);
    put("Bgcolor", static_cast<int>(s.Bgcolor));
    put("HtmlOption", static_cast<int>(s.HtmlOption & 0x7F));
    put("nIndentSpace", s.nIndentSpace);
    put("magni", static_cast<int>(s.magni * 100.0f));
    put("OutlineColor", static_cast<int>(s.OutlineColor));
    put("HatchColor", static_cast<int>(s.HatchColor));
    put("Hatching", s.Hatching);
    put("DEFAULTArea_Tail", s.DEFAULTArea_Tail);
    put("OmitInPageLinkFileName", s.OmitInPageLinkFileName);
    put("KeepTool", s.KeepTool);
    put("GridSpacing", s.GridSpacing);
    put("GridColor", static_cast<int>(s.GridColor));
    put("ShowGrid", s.ShowGrid);
    put("SnapToGrid", s.SnapToGrid);
    put("SnapToAreas", s.SnapToAreas);
    put("nTraceTolerance", s.nTraceTolerance);
    put("nTraceSimplify", s.nTraceSimplify);
    put("Language", s.Language);
    m_store->endGroup();
}

void SettingsStore::LoadCustomColors(std::array<ColorRef, 16>& colors)
{
    for (int i = 0; i < 16; ++i)
        colors[i] = static_cast<ColorRef>(
            ReadInt(QStringLiteral("Settings"), QStringLiteral("CUSTUMCOLOR_%1").arg(i), 0xFFFFFF));
}

void SettingsStore::SaveCustomColors(const std::array<ColorRef, 16>& colors)
{
    for (int i = 0; i < 16; ++i)
        WriteInt(QStringLiteral("Settings"), QStringLiteral("CUSTUMCOLOR_%1").arg(i), static_cast<int>(colors[i]));
}

SettingsStore::DialogStart SettingsStore::OpenDialog(const QString& key, const QString& fallbackFolder)
{
    DialogStart start;
    start.folder = m_store->value(QStringLiteral("PathSettings/Initialdir_") + key, HomeFolder()).toString();
    if (!QFileInfo::exists(start.folder))
        start.folder = fallbackFolder;
    start.filterIndex = ReadInt(QStringLiteral("PathSettings"), QStringLiteral("Initial_filter_") + key, 0);
    return start;
}

void SettingsStore::ConfirmDialog(const QString& key, const QString& chosenPath, int filterIndex)
{
    RememberFolder(key, chosenPath);
    WriteInt(QStringLiteral("PathSettings"), QStringLiteral("Initial_filter_") + key, filterIndex);
}

void SettingsStore::RememberFolder(const QString& key, const QString& chosenPath)
{
    // The folder before the file name; a file directly in "/" keeps "/", not
    // an empty text that would start the next dialog somewhere else.
    const qsizetype last = chosenPath.lastIndexOf(QDir::separator());
    const QString folder = last == 0 ? QString(QDir::separator()) : chosenPath.left(last);
    m_store->setValue(QStringLiteral("PathSettings/Initialdir_") + key, folder);
}

SettingsStore::Placement SettingsStore::LoadPlacement()
{
    Placement p;
    const QString g = QStringLiteral("Wnd_Pos");
    p.showCmd = m_store->value(g + QStringLiteral("/showCmd"), p.showCmd).toString();
    p.left = ReadInt(g, QStringLiteral("left_p"), p.left);
    p.top = ReadInt(g, QStringLiteral("top_p"), p.top);
    p.width = ReadInt(g, QStringLiteral("xw"), p.width);
    p.height = ReadInt(g, QStringLiteral("yw"), p.height);
    return p;
}

void SettingsStore::SavePlacement(const Placement& p)
{
    const QString g = QStringLiteral("Wnd_Pos");
    m_store->setValue(g + QStringLiteral("/showCmd"), p.showCmd);
    WriteInt(g, QStringLiteral("left_p"), p.left);
    WriteInt(g, QStringLiteral("top_p"), p.top);
    WriteInt(g, QStringLiteral("xw"), p.width);
    WriteInt(g, QStringLiteral("yw"), p.height);
}

bool SettingsStore::BarVisible(const QString& bar)
{
    return ReadInt(QStringLiteral("ToolBarSHOW-HIDE"), bar, 1) != 0;
}

void SettingsStore::SetBarVisible(const QString& bar, bool visible)
{
    WriteInt(QStringLiteral("ToolBarSHOW-HIDE"), bar, visible ? 1 : 0);
}

QByteArray SettingsStore::LoadDockState()
{
    return m_store->value(QStringLiteral("FlameState/State")).toByteArray();
}

void SettingsStore::SaveDockState(const QByteArray& state)
{
    m_store->setValue(QStringLiteral("FlameState/State"), state);
}

QStringList SettingsStore::LoadRecentFiles()
{
    QStringList files;
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString file = m_store->value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

void SettingsStore::SaveRecentFiles(const QStringList& files)
{
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString key = QStringLiteral("Recent File List/File%1").arg(i);
        if (i <= files.size())
            m_store->setValue(key, files[i - 1]);
        else
            m_store->remove(key);
    }
}
