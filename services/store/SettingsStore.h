#pragma once
// The persistent side of the preferences: the "Settings" section into and out
// of AppSettings, the custom colours, the remembered folders and filters of
// the file dialogs, window placement and bar visibility. Over QSettings; tests
// point it at a file of their own.

#include "services/settings/AppSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QSettings;

class SettingsStore
{
public:
    // How many native files the recent-file list keeps.
    static constexpr int kRecentFiles = 5;

    // The user's store (organisation "Nimbleworks", application "Zephyrmap!").
    SettingsStore();
    // A store in an INI file, for tests.
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();

    void LoadSettings(AppSettings& settings);
    void SaveSettings(const AppSettings& settings);

    void LoadCustomColors(std::array<ColorRef, 16>& colors);
    void SaveCustomColors(const std::array<ColorRef, 16>& colors);

    // The folder a file dialog opens in (the fallback when the remembered one
    // is gone) and its filter index.
    struct DialogStart {
        QString folder;
        int filterIndex = 0;
    };
    DialogStart OpenDialog(const QString& key, const QString& fallbackFolder);
    // Written only when the user confirmed the dialog with this file.
    void ConfirmDialog(const QString& key, const QString& chosenPath, int filterIndex);
    // The folder alone, for the dialog that keeps no filter index.
    void RememberFolder(const QString& key, const QString& chosenPath);

    struct Placement {
        QString showCmd = QStringLiteral("Max");
        int left = 0, top = 0, width = 500, height = 800;
    };
    Placement LoadPlacement();
    void SavePlacement(const Placement& placement);
    bool BarVisible(const QString& bar); // "MAIN" or "MAP"
    void SetBarVisible(const QString& bar, bool visible);
    // The docking layout of the tool bar and the property pane ("FlameState").
    QByteArray LoadDockState();
    void SaveDockState(const QByteArray& state);
    // The recent native files, newest first ("Recent File List", File1..File5).
    QStringList LoadRecentFiles();
    void SaveRecentFiles(const QStringList& files);

    int ReadInt(const QString& section, const QString& name, int fallback);
    void WriteInt(const QString& section, const QString& name, int value);

    static QString HomeFolder();
    void Sync();

private:
    QString ReadString(const QString& name, const std::string& fallback);

    std::unique_ptr<QSettings> m_store;
};
