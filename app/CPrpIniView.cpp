#include "app/CPrpIniView.h"

#include "app/GridSettingsGroup.h"
#include "app/LanguageSettingsGroup.h"

#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"
#include "view/RegionTracing.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace
{

// Typed amounts may be 0 to 20; the arrows move within 1 to 20.
constexpr int kTypedMin = 0;
constexpr int kTypedMax = 20;
constexpr int kSpinMin = 1;
constexpr int kSpinMax = 20;
constexpr int kSampleWidth = 40;
constexpr int kSampleHeight = 18;

const ColorRef kDefaultHatch = 0xDDDDDD;
const ColorRef kDefaultOutline = 0x000000;
const ColorRef kDefaultBackground = 0xC0C0C0;
// The simplification distance is kept in tenths of a pixel and shown in pixels.
constexpr double kTenths = 10.0;

// The usual decimal rule: the leading digits, 0 when there are none.
int LeadingNumber(const QString& text)
{
    long long value = 0;
    for (QChar c : text) {
        if (!c.isDigit())
            break;
        value = std::min(value * 10 + c.digitValue(), 1LL << 31);
    }
    return static_cast<int>(std::min<long long>(value, 1LL << 30));
}

ColorRef FromQColor(const QColor& c)
{
    return MakeRgb(c.red(), c.green(), c.blue());
}

template <typename T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QRadioButton* AddRadio(QButtonGroup* group, QWidget* parent, const QString& text, const char* name, int id)
{
    auto* radio = Named(new QRadioButton(text, parent), name);
    group->addButton(radio, id);
    return radio;
}

int CheckedId(const QButtonGroup* group)
{
    return std::max(0, group->checkedId());
}

void Check(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id))
        button->setChecked(true);
}

} // namespace

CPrpIniView::CPrpIniView(SettingsStore& store, QWidget* parent) : QWidget(parent), m_store(store)
{
    m_store.LoadCustomColors(m_customColors);
    BuildLayout();
    SetFields(Fields());
    m_displayChanged = false;
}

void CPrpIniView::BuildLayout()
{
    // Two columns: the five groups stacked in one made the sheet taller than
    // a 1280 x 720 or 1280 x 800 screen, with OK and Cancel off its bottom.
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildScreenGroup());
    left->addWidget(BuildOutputGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(BuildEditingGroup());
    right->addWidget(BuildGridGroup());
    right->addWidget(BuildLanguageGroup());
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);
}

QPushButton* CPrpIniView::AddColorRow(QGridLayout* grid, int row, const QString& label, const QString& button,
                                      const char* name, QFrame*& sample)
{
    QWidget* group = grid->parentWidget();
    grid->addWidget(new QLabel(label, group), row, 0);
    sample = Named(new QFrame(group), (std::string(name) + "Sample").c_str());
    sample->setFrameShape(QFrame::NoFrame);
    sample->setFixedSize(kSampleWidth, kSampleHeight);
    sample->setAutoFillBackground(true);
    grid->addWidget(sample, row, 1);
    auto* pick = Named(new QPushButton(button, group), (std::string(name) + "Button").c_str());
    grid->addWidget(pick, row, 2);
    return pick;
}

QWidget* CPrpIniView::BuildScreenGroup()
{
    auto* group = Named(new QGroupBox(tr("画面の設定"), this), "screenGroup");
    auto* grid = new QGridLayout(group);
    QPushButton* bg = AddColorRow(grid, 0, tr("編集画面の背景色"), tr("色(&B)..."), "bg", m_bgSample);
    QPushButton* outline = AddColorRow(grid, 1, tr("エリアの輪郭線色"), tr("色(&O)..."), "outline", m_outlineSample);
    QPushButton* hatch = AddColorRow(grid, 2, tr("エリアのハッチング色"), tr("色(&H)..."), "hatch", m_hatchSample);
    m_hatching = Named(new QCheckBox(tr("ハッチングをする(&A)"), group), "hatchingCheck");
    grid->addWidget(m_hatching, 3, 0, 1, 3);
    auto* restore = Named(new QPushButton(tr("デフォルトに戻す(&D)"), group), "restoreDefaultsButton");
    grid->addWidget(restore, 4, 2);
    grid->setColumnStretch(0, 1);

    connect(bg, &QPushButton::clicked, this, [this] { PickColor(m_bgColor, m_bgSample); });
    connect(outline, &QPushButton::clicked, this, [this] { PickColor(m_outlineColor, m_outlineSample); });
    connect(hatch, &QPushButton::clicked, this, [this] { PickColor(m_hatchColor, m_hatchSample); });
    connect(m_hatching, &QCheckBox::clicked, this, [this] { m_displayChanged = true; });
    connect(restore, &QPushButton::clicked, this, &CPrpIniView::RestoreDefaults);
    return group;
}

QWidget* CPrpIniView::BuildIndentSpin()
{
    m_indentSpin = Named(new QWidget(this), "indentSpin");
    auto* arrows = new QVBoxLayout(m_indentSpin);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    auto* up = Named(new QToolButton(m_indentSpin), "indentUp");
    up->setArrowType(Qt::UpArrow);
    auto* down = Named(new QToolButton(m_indentSpin), "indentDown");
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up, down}) {
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(16, 11);
        arrows->addWidget(arrow);
    }
    connect(up, &QToolButton::clicked, this, [this] { StepIndent(1); });
    connect(down, &QToolButton::clicked, this, [this] { StepIndent(-1); });
    return m_indentSpin;
}

QWidget* CPrpIniView::BuildOutputGroup()
{
    auto* group = Named(new QGroupBox(tr("出力HTMLの設定"), this), "outputGroup");
    auto* grid = new QGridLayout(group);
    int row = 0;
    m_case = new QButtonGroup(this);
    grid->addWidget(new QLabel(tr("タグ表記"), group), row, 0);
    grid->addWidget(AddRadio(m_case, group, tr("大文字(&U)"), "upperRadio", 0), row, 1);
    grid->addWidget(AddRadio(m_case, group, tr("小文字(&L)"), "lowerRadio", 1), row++, 2);
    m_keepOtherCase =
        Named(new QCheckBox(tr("\"その他の属性\"のタグは大/小文字変換しない(&M)"), group), "keepOtherCaseCheck");
    grid->addWidget(m_keepOtherCase, row++, 0, 1, 4);

    m_indentMode = new QButtonGroup(this);
    grid->addWidget(new QLabel(tr("AREAタグのインデント"), group), row, 0);
    grid->addWidget(AddRadio(m_indentMode, group, tr("インデントしない(&F)"), "indentNoneRadio", 0), row, 1, 1, 3);
    grid->addWidget(AddRadio(m_indentMode, group, tr("半角スペースでインデント(&S)"), "indentSpacesRadio", 1), ++row, 1,
                    1, 3);
    grid->addWidget(AddRadio(m_indentMode, group, tr("タブでインデント(&T)"), "indentTabsRadio", 2), ++row, 1, 1, 3);
    ++row;
    m_indentLabel = Named(new QLabel(tr("インデント量"), group), "indentLabel");
    m_indentEdit = Named(new QLineEdit(group), "indentEdit");
    m_indentEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this));
    m_indentEdit->setMaximumWidth(48);
    m_indentLabel->setBuddy(m_indentEdit);
    auto* amount = new QHBoxLayout;
    amount->addWidget(m_indentEdit);
    amount->addWidget(BuildIndentSpin());
    amount->addStretch();
    grid->addWidget(m_indentLabel, row, 1);
    grid->addLayout(amount, row++, 2, 1, 2);

    m_rect = new QButtonGroup(this);
    m_circ = new QButtonGroup(this);
    m_poly = new QButtonGroup(this);
    grid->addWidget(new QLabel(tr("SHAPE属性の表記"), group), row, 0);
    grid->addWidget(AddRadio(m_rect, group, tr("&rect"), "rectRadio", 0), row, 1);
    grid->addWidget(AddRadio(m_rect, group, tr("rectan&gle"), "rectangleRadio", 1), row++, 2);
    grid->addWidget(AddRadio(m_circ, group, tr("&circ"), "circRadio", 0), row, 1);
    grid->addWidget(AddRadio(m_circ, group, tr("circl&e"), "circleRadio", 1), row++, 2);
    grid->addWidget(AddRadio(m_poly, group, tr("&poly"), "polyRadio", 0), row, 1);
    grid->addWidget(AddRadio(m_poly, group, tr("polygo&n"), "polygonRadio", 1), row++, 2);
    grid->setColumnStretch(3, 1);

    connect(m_indentMode, &QButtonGroup::idClicked, this, &CPrpIniView::UpdateIndentEnables);
    connect(m_indentEdit, &QLineEdit::textChanged, this, &CPrpIniView::OnIndentTextChanged);
    return group;
}

QWidget* CPrpIniView::BuildEditingGroup()
{
    auto* group = Named(new QGroupBox(tr("編集設定"), this), "editingGroup");
    auto* column = new QVBoxLayout(group);
    m_defaultLast = Named(new QCheckBox(tr("DEFAULTエリアを自動的に最後尾に配置する(&I)"), group), "defaultLastCheck");
    m_omitFileName =
        Named(new QCheckBox(tr("AREAタグの同ページ内リンクはファイル名を省略する(&J)"), group), "omitFileNameCheck");
    column->addWidget(m_defaultLast);
    column->addWidget(m_omitFileName);
    column->addLayout(BuildTraceRows(group));
    return group;
}

QWidget* CPrpIniView::BuildGridGroup()
{
    m_grid = new GridSettingsGroup(this);
    connect(m_grid->ColorButton(), &QPushButton::clicked, this,
            [this] { PickColor(m_gridColor, m_grid->ColorSample()); });
    // A new spacing is seen on the picture at once.
    connect(m_grid->Spacing(), &QSpinBox::valueChanged, this, [this] { m_displayChanged = true; });
    return m_grid;
}

QWidget* CPrpIniView::BuildLanguageGroup()
{
    m_language = new LanguageSettingsGroup(this);
    return m_language;
}

QLayout* CPrpIniView::BuildTraceRows(QWidget* group)
{
    auto* grid = new QGridLayout;
    m_traceTolerance = Named(new QSpinBox(group), "traceToleranceSpin");
    m_traceTolerance->setRange(RegionTracing::kLeastTolerance, RegionTracing::kMostTolerance);
    m_traceSimplify = Named(new QDoubleSpinBox(group), "traceSimplifySpin");
    m_traceSimplify->setDecimals(1);
    m_traceSimplify->setSingleStep(1 / kTenths);
    m_traceSimplify->setRange(RegionTracing::kLeastSimplify / kTenths, RegionTracing::kMostSimplify / kTenths);
    m_traceSimplify->setSuffix(tr(" ピクセル"));
    auto* tolerance = new QLabel(tr("トレースの色の許容差(&K)"), group);
    tolerance->setBuddy(m_traceTolerance);
    auto* simplify = new QLabel(tr("トレースの単純化距離(&W)"), group);
    simplify->setBuddy(m_traceSimplify);
    grid->addWidget(tolerance, 0, 0);
    grid->addWidget(m_traceTolerance, 0, 1);
    grid->addWidget(simplify, 1, 0);
    grid->addWidget(m_traceSimplify, 1, 1);
    grid->setColumnStretch(2, 1);
    return grid;
}

void CPrpIniView::SetFields(const Fields& f)
{
    m_bgColor = f.bgColor;
    m_outlineColor = f.outlineColor;
    m_hatchColor = f.hatchColor;
    PaintSample(m_bgSample, m_bgColor);
    PaintSample(m_outlineSample, m_outlineColor);
    PaintSample(m_hatchSample, m_hatchColor);
    m_hatching->setChecked(f.hatching != 0);
    Check(m_case, f.tagCase);
    m_keepOtherCase->setChecked(f.keepOtherCase != 0);
    Check(m_indentMode, f.indentMode);
    m_indentEdit->setText(QString::number(f.indentAmount));
    Check(m_rect, f.rectKeyword);
    Check(m_circ, f.circKeyword);
    Check(m_poly, f.polyKeyword);
    m_defaultLast->setChecked(f.defaultAreaLast != 0);
    m_omitFileName->setChecked(f.omitInPageFileName != 0);
    m_traceTolerance->setValue(f.traceTolerance);
    m_traceSimplify->setValue(f.traceSimplify / kTenths);
    m_gridColor = f.gridColor;
    PaintSample(m_grid->ColorSample(), m_gridColor);
    {
        const QSignalBlocker quiet(m_grid->Spacing());
        m_grid->Spacing()->setValue(f.gridSpacing);
    }
    m_language->Choice()->setCurrentIndex(f.language);
    UpdateIndentEnables();
}

CPrpIniView::Fields CPrpIniView::ReadFields() const
{
    Fields f;
    f.bgColor = m_bgColor;
    f.outlineColor = m_outlineColor;
    f.hatchColor = m_hatchColor;
    f.hatching = m_hatching->isChecked() ? 1 : 0;
    f.tagCase = CheckedId(m_case);
    f.keepOtherCase = m_keepOtherCase->isChecked() ? 1 : 0;
    f.indentMode = CheckedId(m_indentMode);
    f.indentAmount = LeadingNumber(m_indentEdit->text());
    f.rectKeyword = CheckedId(m_rect);
    f.circKeyword = CheckedId(m_circ);
    f.polyKeyword = CheckedId(m_poly);
    f.defaultAreaLast = m_defaultLast->isChecked() ? 1 : 0;
    f.omitInPageFileName = m_omitFileName->isChecked() ? 1 : 0;
    f.traceTolerance = m_traceTolerance->value();
    f.traceSimplify = static_cast<int>(std::lround(m_traceSimplify->value() * kTenths));
    f.gridSpacing = m_grid->Spacing()->value();
    f.gridColor = m_gridColor;
    f.language = std::max(0, m_language->Choice()->currentIndex());
    return f;
}

void CPrpIniView::SaveCustomColors()
{
    m_store.SaveCustomColors(m_customColors);
}

void CPrpIniView::PaintSample(QFrame* sample, ColorRef color)
{
    QPalette palette = sample->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    sample->setPalette(palette);
    sample->update();
}

void CPrpIniView::PickColor(ColorRef& field, QFrame* sample)
{
    for (int i = 0; i < static_cast<int>(m_customColors.size()); ++i)
        QColorDialog::setCustomColor(i, ToQColor(m_customColors[i]));
    QColorDialog chooser(ToQColor(field), this);
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    const bool ok = chooser.exec() == QDialog::Accepted;
    // Custom colours the user added stay, whatever the chooser's answer.
    for (int i = 0; i < static_cast<int>(m_customColors.size()); ++i)
        m_customColors[i] = FromQColor(QColorDialog::customColor(i));
    if (!ok)
        return;
    const ColorRef chosen = FromQColor(chooser.selectedColor());
    if (chosen != field)
        m_displayChanged = true;
    field = chosen;
    PaintSample(sample, field);
}

void CPrpIniView::OnIndentTextChanged(const QString& text)
{
    const int value = LeadingNumber(text);
    const int limited = std::clamp(value, kTypedMin, kTypedMax);
    if (limited != value)
        m_indentEdit->setText(QString::asprintf("%d", limited));
}

void CPrpIniView::StepIndent(int step)
{
    const int value = std::clamp(LeadingNumber(m_indentEdit->text()) + step, kSpinMin, kSpinMax);
    m_indentEdit->setText(QString::asprintf("%d", value));
}

void CPrpIniView::UpdateIndentEnables()
{
    const bool indenting = CheckedId(m_indentMode) != 0;
    m_indentEdit->setEnabled(indenting);
    m_indentSpin->setEnabled(indenting);
    m_indentLabel->setEnabled(indenting);
}

void CPrpIniView::RestoreDefaults()
{
    QMessageBox ask(QMessageBox::Question, QStringLiteral("Zephyrmap !"), RestoreQuestion(),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    ask.setDefaultButton(QMessageBox::Cancel);
    if (ask.exec() != QMessageBox::Ok)
        return;
    m_hatchColor = kDefaultHatch;
    m_outlineColor = kDefaultOutline;
    m_bgColor = kDefaultBackground;
    m_hatching->setChecked(true);
    PaintSample(m_bgSample, m_bgColor);
    PaintSample(m_outlineSample, m_outlineColor);
    PaintSample(m_hatchSample, m_hatchColor);
    m_displayChanged = true;
}
