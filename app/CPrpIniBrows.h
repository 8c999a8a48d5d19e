#pragma once
// The settings page "外部ｱﾌﾟﾘｹｰｼｮﾝ": where the external applications are.
// Each path has an edit and a "参照 ..." button that picks a program; the
// two "標準のアプリケーション" boxes grey the opener path and button beside
// them, because the system's own application is used instead.
//
// Child objects: the edits "browserEdit", "viewerEdit", "imgAppEdit",
// "htmlAppEdit", "htmlEditorEdit", "imgEditorEdit", each with its button
// named like it with "Browse" for "Edit"; the boxes "imgAppDefaultCheck" and
// "htmlAppDefaultCheck"; the groups "previewGroup", "openGroup", "editGroup".

#include <QWidget>

#include <optional>
#include <string>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

class CPrpIniBrows : public QWidget
{
    Q_OBJECT
public:
    // Paths in the program's encoding; flags 0/1.
    struct Fields {
        std::string browser;    // "Browser"
        std::string editor;     // "Editor": shows the HTML source
        std::string imgApp;     // "IMG_App"
        int imgAppDefault = 1;  // "IMG_App_default"
        std::string htmlEditor; // "HTML_Editor"
        std::string htmlApp;    // "HTML_App"
        int htmlAppDefault = 1; // "HTML_App_default"
        std::string imgEditor;  // "IMG_Editor"
    };

    explicit CPrpIniBrows(QWidget* parent = nullptr);

    static QString Caption() { return tr("外部ｱﾌﾟﾘｹｰｼｮﾝ"); }

    void SetFields(const Fields& fields);
    // The controls' values.
    Fields ReadFields() const;

private:
    QLineEdit* AddPath(QGridLayout* grid, int row, const QString& label, const char* name, const QString& dialogTitle);
    void Browse(QLineEdit* edit, const QString& dialogTitle);
    void UpdateEnables();

    QLineEdit* m_browser = nullptr;
    QLineEdit* m_viewer = nullptr;
    QLineEdit* m_imgApp = nullptr;
    QCheckBox* m_imgAppDefault = nullptr;
    QLineEdit* m_htmlApp = nullptr;
    QCheckBox* m_htmlAppDefault = nullptr;
    QLineEdit* m_htmlEditor = nullptr;
    QLineEdit* m_imgEditor = nullptr;
};
