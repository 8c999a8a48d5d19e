#pragma once
// The settings sheet "Zephyrmap ! の設定" with its two pages, external
// applications and editor settings, and OK and "キャンセル". It edits a copy
// of the preferences: only OK writes them back. The colour chooser's custom
// colours are saved whenever the sheet closes, OK or not.
//
//     bool displayChanged = false;
//     if (CPrpIni::Run(app.Settings(), store, frame, displayChanged)) {
//         // refill the area list (shape keywords may differ) and, when
//         // displayChanged, refresh the view
//     }
//
// Child objects: "sheet" (the QTabWidget holding "browsPage" and "viewPage"),
// "buttonBox".

#include "app/CPrpIniBrows.h"
#include "app/CPrpIniView.h"

#include <QDialog>

#include <optional>

struct AppSettings;
class QTabWidget;
class SettingsStore;

class CPrpIni : public QDialog
{
    Q_OBJECT
public:
    explicit CPrpIni(SettingsStore& store, QWidget* parent = nullptr);

    CPrpIniBrows* BrowsPage() const { return m_brows; }
    CPrpIniView* ViewPage() const { return m_view; }

    // The whole settings command short of the frame's refresh: fills the
    // pages from `settings`, shows the sheet, and on OK writes them back.
    // True after OK; `displayChanged` then says whether the view's colours
    // or hatching changed.
    static bool Run(AppSettings& settings, SettingsStore& store, QWidget* parent, bool& displayChanged);

    // The pages' view of the preferences, and the way back.
    static CPrpIniBrows::Fields BrowsFieldsOf(const AppSettings& settings);
    static CPrpIniView::Fields ViewFieldsOf(const AppSettings& settings);
    // Writes the confirmed pages into `settings`; returns true when the
    // DEFAULT-last rule was turned on and so waits for the next start.
    static bool Apply(const CPrpIniBrows::Fields& brows, const CPrpIniView::Fields& view, AppSettings& settings);

    static QString DefaultLastLaterMessage();

public slots:
    void accept() override;
    void done(int result) override;

private:
    QTabWidget* m_sheet = nullptr;
    CPrpIniBrows* m_brows = nullptr;
    CPrpIniView* m_view = nullptr;
    std::optional<CPrpIniBrows::Fields> m_confirmedBrows;
};
