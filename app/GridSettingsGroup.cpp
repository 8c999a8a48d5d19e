#include "app/GridSettingsGroup.h"

#include "ui_GridSettings.h"

GridSettingsGroup::GridSettingsGroup(QWidget* parent) : QGroupBox(parent), m_ui(std::make_unique<Ui::GridSettings>())
{
    m_ui->setupUi(this);
}

GridSettingsGroup::~GridSettingsGroup() = default;

QSpinBox* GridSettingsGroup::Spacing() const
{
    return m_ui->gridSpacingSpin;
}

QFrame* GridSettingsGroup::ColorSample() const
{
    return m_ui->gridColorSample;
}

QPushButton* GridSettingsGroup::ColorButton() const
{
    return m_ui->gridColorButton;
}
