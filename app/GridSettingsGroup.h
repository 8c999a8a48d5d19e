#pragma once
// The grid's group on the settings sheet's editor page: the spacing of its
// lines in picture pixels and their colour. Its controls and their order
// are the form's (GridSettings.ui); the page picks the colour.

#include <QGroupBox>

#include <memory>

class QFrame;
class QPushButton;
class QSpinBox;

namespace Ui
{
class GridSettings;
}

class GridSettingsGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit GridSettingsGroup(QWidget* parent = nullptr);
    ~GridSettingsGroup() override;

    QSpinBox* Spacing() const;
    QFrame* ColorSample() const;
    QPushButton* ColorButton() const;

private:
    std::unique_ptr<Ui::GridSettings> m_ui;
};
