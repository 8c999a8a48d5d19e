#pragma once
// The "エリア" tab of the property pane: every area of the map in output
// order, and the link attributes of the selected one (HREF, ALT, TARGET,
// NOHREF, other attributes), with its geometry as numbers below them. Edits
// go to the document at once and become one undo step per area and episode.
// With several areas selected the fields show what they share (blank where
// they differ) and an edit gives all of them the value, as one undo step.
// Dragging a row reorders the map's areas. The page shares one selection
// with the view, through the main frame.

#include "model/SharedAttributes.h"
#include "panes/CAreaListCtrl.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class AreaGeometryField;
class CMapData;
class CZephyrmapDoc;
class PaneInterface;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SettingsStore;
struct AppSettings;

class CAreaPage : public QWidget, public AreaListOwner
{
    Q_OBJECT
public:
    static inline const char kNoHrefText[] = QT_TR_NOOP("NOHREF ( リンクしない )");

    CAreaPage(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, PaneInterface& frame,
              QWidget* parent = nullptr);

    // Rebuilds the rows from the document; the attribute fields end empty and off.
    void FillList();
    // Selects the row of the area at list index `index` and shows it.
    void SelectArea(int index);
    // Selects several rows and shows what their areas share.
    void SelectAreas(const std::vector<int>& indices);
    void SelectDefaultArea();
    void ClearSelection();
    void RefreshList();
    void EnablePage(bool enable);
    void ShowAreaAttributes(int index);
    void UpdateRelativeCheck();
    // The selected area may have been moved or reshaped: its numbers again.
    void RefreshGeometry();
    // The list index of the area in the marked row; -1 for none, and for
    // several rows.
    int GetSelectedArea() const;
    int GetListSelectionMark() const;

    // The shape keyword shown (and written) for `area`.
    static QString ShapeKeyword(const CMapData& area, unsigned htmlOption);
    // The link column's text.
    QString LinkText(const CMapData& area) const;

    // AreaListOwner.
    bool CanDrag(int row) override;
    bool CanDrop(int position) override;
    void RowMoved(int position, int dragged) override;

    // Test access.
    CAreaListCtrl* List() const { return m_list; }
    QLineEdit* HrefEdit() const { return m_href; }
    QLineEdit* AltEdit() const { return m_alt; }
    QComboBox* TargetCombo() const { return m_target; }
    QPlainTextEdit* OtherEdit() const { return m_other; }
    QCheckBox* NoHrefCheck() const { return m_noHref; }
    QCheckBox* RelativeCheck() const { return m_relative; }
    QPushButton* BrowseButton() const { return m_browse; }
    AreaGeometryField* Geometry() const { return m_geometry; }

    // The dialog "参照..." opens; the program's own unless a test puts a
    // stand-in here. It answers the chosen program path, or nothing.
    std::function<std::optional<std::string>()> chooseLinkTarget;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void EnableAttributes(bool enable);
    void ApplyHrefRule();
    void ClearAttributeFields();
    void ClearAttributesQuietly();
    void ShowSharedAttributes();
    void ShowSeveralValues(bool several);
    std::vector<int> SelectedIndices() const;
    void SetAttribute(int index, int which, const std::string& value);
    void SharedHrefChanged(const QString& text);
    void BrowseForSeveral();
    void SelectRowFromCode(int row);
    int RowOf(int index) const;
    std::vector<int> SelectedRows() const;
    bool SeveralRowsSelected() const;
    CMapData* MarkedArea() const;
    void StartEdit();
    void StartOwnEdit(int index);
    void AttributeChanged(int which, const QString& text);
    void HrefChanged(const QString& text);
    void HrefLostFocus(Qt::FocusReason reason);
    void Browse();
    void NoHrefClicked(bool checked);
    void RelativeClicked(bool checked);
    void OtherAttributesChanged();
    void RowSelectionChanged();
    void EmptyClicked();
    void ShowContextMenu(const QPoint& globalPos);
    void SetLinkColumn(int row, const CMapData& area);
    std::optional<std::string> PickLinkTarget();

    CZephyrmapDoc& m_doc;
    AppSettings& m_settings;
    SettingsStore& m_store;
    PaneInterface& m_frame;
    bool m_updating = false;
    bool m_selecting = false;

    CAreaListCtrl* m_list = nullptr;
    QGroupBox* m_group = nullptr;
    QCheckBox* m_relative = nullptr;
    QLabel* m_hrefLabel = nullptr;
    QLineEdit* m_href = nullptr;
    QPushButton* m_browse = nullptr;
    QLabel* m_altLabel = nullptr;
    QLineEdit* m_alt = nullptr;
    QLabel* m_targetLabel = nullptr;
    QComboBox* m_target = nullptr;
    QLabel* m_otherLabel = nullptr;
    QPlainTextEdit* m_other = nullptr;
    QCheckBox* m_noHref = nullptr;
    AreaGeometryField* m_geometry = nullptr;

    // Several areas selected: what the fields showed, and each area's own
    // values then, which a field emptied again gives back.
    struct SharedOriginal {
        int index = -1;
        std::string href;
        int hrefIsPath = 0;
        std::string alt, target, otherAttrs;
    };
    SharedAttributes m_shared;
    std::vector<SharedOriginal> m_sharedBefore;
};
