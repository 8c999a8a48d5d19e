#pragma once
// The settings page "エディタ設定": the view's colours and hatching, the
// style of the HTML output (tag case, indentation, shape keywords) and the
// editing rules. Colours are picked in Qt's colour dialog with the page's 16
// custom colours, which the page loads from the store when it is made and
// writes back with SaveCustomColors. A changed colour, the hatching box and
// restoring the defaults set DisplayChanged().
//
// Child objects: colour buttons "bgButton", "outlineButton", "hatchButton"
// with the samples "bgSample", "outlineSample", "hatchSample"; "hatchingCheck",
// "restoreDefaultsButton"; radios "upperRadio", "lowerRadio",
// "indentNoneRadio", "indentSpacesRadio", "indentTabsRadio", "rectRadio",
// "rectangleRadio", "circRadio", "circleRadio", "polyRadio", "polygonRadio";
// "keepOtherCaseCheck"; the indent amount "indentEdit", "indentSpin" (with
// "indentUp", "indentDown") and "indentLabel"; "defaultLastCheck",
// "omitFileNameCheck"; the trace tool's "traceToleranceSpin" and
// "traceSimplifySpin"; groups "screenGroup", "outputGroup", "editingGroup";
// the grid's group (GridSettingsGroup): "gridSpacingSpin", "gridColorSample",
// "gridColorButton"; the language's group (LanguageSettingsGroup):
// "languageCombo".

#include "services/types/ColorRef.h"

#include <QWidget>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class GridSettingsGroup;
class LanguageSettingsGroup;
class SettingsStore;

class CPrpIniView : public QWidget
{
    Q_OBJECT
public:
    struct Fields {
        ColorRef bgColor = 0xC0C0C0;
        ColorRef outlineColor = 0x000000;
        ColorRef hatchColor = 0xDDDDDD;
        int hatching = 1;
        int tagCase = 0; // 0 upper, 1 lower
        int keepOtherCase = 0;
        int indentMode = 1; // 0 none, 1 spaces, 2 tabs
        int indentAmount = 2;
        int rectKeyword = 0; // 0 "rect", 1 "rectangle"
        int circKeyword = 1; // 0 "circ", 1 "circle"
        int polyKeyword = 0; // 0 "poly", 1 "polygon"
        int defaultAreaLast = 1;
        int omitInPageFileName = 1;
        int traceTolerance = 20; // Delta E
        int traceSimplify = 15;  // tenths of a picture pixel
        int gridSpacing = 10;    // picture pixels
        ColorRef gridColor = 0xC08000;
        int language = 0; // 0 the system's, 1 Japanese, 2 English
    };

    explicit CPrpIniView(SettingsStore& store, QWidget* parent = nullptr);

    static QString Caption() { return tr("エディタ設定"); }

    void SetFields(const Fields& fields);
    Fields ReadFields() const;
    bool DisplayChanged() const { return m_displayChanged; }

    const std::array<ColorRef, 16>& CustomColors() const { return m_customColors; }
    void SaveCustomColors();

    static QString RestoreQuestion() { return tr("編集画面の設定をデフォルトに戻しますか?"); }

private:
    void BuildLayout();
    QWidget* BuildScreenGroup();
    QWidget* BuildOutputGroup();
    QWidget* BuildEditingGroup();
    QWidget* BuildGridGroup();
    QWidget* BuildLanguageGroup();
    QLayout* BuildTraceRows(QWidget* group);
    QWidget* BuildIndentSpin();
    QPushButton* AddColorRow(QGridLayout* grid, int row, const QString& label, const QString& button, const char* name,
                             QFrame*& sample);
    void PickColor(ColorRef& field, QFrame* sample);
    void PaintSample(QFrame* sample, ColorRef color);
    void OnIndentTextChanged(const QString& text);
    void StepIndent(int step);
    void UpdateIndentEnables();
    void RestoreDefaults();

    SettingsStore& m_store;
    std::array<ColorRef, 16> m_customColors{};
    ColorRef m_bgColor = 0;
    ColorRef m_outlineColor = 0;
    ColorRef m_hatchColor = 0;
    bool m_displayChanged = false;
    QFrame* m_bgSample = nullptr;
    QFrame* m_outlineSample = nullptr;
    QFrame* m_hatchSample = nullptr;
    QCheckBox* m_hatching = nullptr;
    QButtonGroup* m_case = nullptr;
    QCheckBox* m_keepOtherCase = nullptr;
    QButtonGroup* m_indentMode = nullptr;
    QLineEdit* m_indentEdit = nullptr;
    QWidget* m_indentSpin = nullptr;
    QLabel* m_indentLabel = nullptr;
    QButtonGroup* m_rect = nullptr;
    QButtonGroup* m_circ = nullptr;
    QButtonGroup* m_poly = nullptr;
    QCheckBox* m_defaultLast = nullptr;
    QCheckBox* m_omitFileName = nullptr;
    QSpinBox* m_traceTolerance = nullptr;
    QDoubleSpinBox* m_traceSimplify = nullptr;
    GridSettingsGroup* m_grid = nullptr;
    LanguageSettingsGroup* m_language = nullptr;
    ColorRef m_gridColor = 0xC08000;
};
