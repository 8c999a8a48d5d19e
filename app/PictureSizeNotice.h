#pragma once
// A note in the status bar while the map's picture is not the size of the
// map's WIDTH and HEIGHT (the picture was exported again in its place): it
// says so, with both sizes, and offers the command that fits the areas to
// the new picture. Its button shows the command's text without the menu's
// mnemonic, which would take Alt and the letter from the panes' fields.

#include "formats/DisplaySize.h"

#include <QWidget>

class QAction;
class QLabel;
class QToolButton;

class PictureSizeNotice : public QWidget
{
    Q_OBJECT
public:
    PictureSizeNotice(QAction* refit, QWidget* parent = nullptr);

    // Shown with the two sizes when they differ, hidden otherwise.
    void ShowSizes(DisplaySize picture, DisplaySize map);
    QLabel& Text() const { return *m_text; }
    QToolButton& Button() const { return *m_button; }

private:
    QLabel* m_text;        // owned by the widget
    QToolButton* m_button; // owned by the widget
};
