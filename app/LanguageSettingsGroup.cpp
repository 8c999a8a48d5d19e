#include "app/LanguageSettingsGroup.h"

#include "ui_LanguageSettings.h"

LanguageSettingsGroup::LanguageSettingsGroup(QWidget* parent)
    : QGroupBox(parent), m_ui(std::make_unique<Ui::LanguageSettings>())
{
    m_ui->setupUi(this);
}

LanguageSettingsGroup::~LanguageSettingsGroup() = default;

QComboBox* LanguageSettingsGroup::Choice() const
{
    return m_ui->languageCombo;
}
