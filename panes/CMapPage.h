#pragma once
// The "マップ" tab of the property pane: the map's HTML document, its name,
// its picture and the IMG tag's attributes. Every edit goes to the document
// at once; the edits made while one field has the focus become one undo step,
// which the main frame records when another field takes the focus.

#include "model/MapAttributes.h"
#include "model/UndoHistory.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class CZephyrmapDoc;
class PaneInterface;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingsStore;
struct AppSettings;

class CMapPage : public QWidget
{
    Q_OBJECT
public:
    CMapPage(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, PaneInterface& frame,
             QWidget* parent = nullptr);

    // Writes every map attribute into the controls.
    void FillMapPage();
    // Everything but WIDTH and HEIGHT, which are never typed into.
    void EnablePage(bool enable);
    void UpdateSrcRelativeCheck();
    // The record's new text: the current value of its attribute.
    void ReadMapEditValue(MapAttrChange& record) const;
    // Shows one attribute's value from the document (after an undo or redo).
    void ShowAttribute(int index);

    // The picture as the SRC attribute will be written.
    std::string ShownPicture() const;

    // Test access.
    QLineEdit* Edit(MapAttribute index) const;
    QComboBox* Combo(MapAttribute index) const;
    QCheckBox* SrcRelativeCheck() const { return m_srcRelative; }
    QPushButton* HtmlButton() const { return m_htmlButton; }
    QPushButton* PictureButton() const { return m_pictureButton; }

    // The dialogs the change buttons open; the program's own unless a test
    // puts a stand-in here. They answer the chosen program path, or nothing.
    std::function<std::optional<std::string>()> chooseHtmlDocument;
    std::function<std::optional<std::string>()> choosePicture;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildControls();
    QWidget* TextControl(MapAttribute index) const;
    QString ControlText(MapAttribute index) const;
    void SetControlText(MapAttribute index, const QString& text);
    void StartEdit();
    void CommitText(MapAttribute index, const QString& text);
    void ChangeHtmlDocument();
    void ChangePicture();
    void SrcRelativeClicked(bool checked);
    std::optional<std::string> PickHtmlDocument();
    std::optional<std::string> PickPicture();

    CZephyrmapDoc& m_doc;
    AppSettings& m_settings;
    SettingsStore& m_store;
    PaneInterface& m_frame;
    bool m_updating = false;

    QLineEdit* m_htmlPath = nullptr;
    QPushButton* m_htmlButton = nullptr;
    QLineEdit* m_mapName = nullptr;
    QCheckBox* m_srcRelative = nullptr;
    QLineEdit* m_picture = nullptr;
    QPushButton* m_pictureButton = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QComboBox* m_border = nullptr;
    QComboBox* m_align = nullptr;
    QLineEdit* m_hspace = nullptr;
    QLineEdit* m_vspace = nullptr;
    QLineEdit* m_imgAlt = nullptr;
    QList<QWidget*> m_enabledWithPage;
};
