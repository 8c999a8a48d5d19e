#include "app/PictureSizeNotice.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

PictureSizeNotice::PictureSizeNotice(QAction* refit, QWidget* parent)
    : QWidget(parent), m_text(new QLabel(this)), m_button(new QToolButton(this))
{
    setObjectName(QStringLiteral("PictureSizeNotice"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    layout->addWidget(m_button);
    m_button->setDefaultAction(refit);
    m_button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    hide();
}

void PictureSizeNotice::Show(DisplaySize picture, DisplaySize map)
{
    const bool differ = picture.Known() && map.Known() && picture != map;
    if (differ)
        m_text->setText(tr("画像の大きさ(%1×%2)がマップのWIDTHとHEIGHT(%3×%4)と違います。")
                            .arg(picture.width)
                            .arg(picture.height)
                            .arg(map.width)
                            .arg(map.height));
    setVisible(differ);
}
