#include "app/PictureSizeNotice.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QToolButton>

PictureSizeNotice::PictureSizeNotice(QAction* refit, QWidget* parent)
    : QWidget(parent), m_text(new QLabel(this)), m_button(new QToolButton(this))
{
    setObjectName(QStringLiteral("PictureSizeNotice"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    layout->addWidget(m_button);
    // "…(&R)..." and "&Replace…" alike lose their mnemonic.
    m_button->setText(
        QString(refit->text()).remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove(QLatin1Char('&')));
    m_button->setToolTip(refit->statusTip());
    m_button->setEnabled(refit->isEnabled());
    connect(m_button, &QToolButton::clicked, refit, &QAction::trigger);
    connect(refit, &QAction::changed, m_button, [this, refit] { m_button->setEnabled(refit->isEnabled()); });
    hide();
}

void PictureSizeNotice::ShowSizes(DisplaySize picture, DisplaySize map)
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
