#pragma once
// The language's group on the settings sheet's editor page: the system's
// language, Japanese or English, in the order of the stored values (0, 1,
// 2), taken at the program's next start as the group says. Its controls are
// the form's (LanguageSettings.ui).

#include <QGroupBox>

#include <memory>

class QComboBox;

namespace Ui
{
class LanguageSettings;
}

class LanguageSettingsGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit LanguageSettingsGroup(QWidget* parent = nullptr);
    ~LanguageSettingsGroup() override;

    QComboBox* Choice() const;

private:
    std::unique_ptr<Ui::LanguageSettings> m_ui;
};
