#pragma once
// The preview pane of the file dialogs: a chosen picture shrunk to fit, with
// its size and file size below it, or the title of a chosen HTML file.

#include "services/picture/MapPicture.h"
#include "services/types/ColorRef.h"
#include "services/types/Geometry.h"

#include <QFont>
#include <QWidget>

#include <string>

// Where the size texts go beside a picture.
enum class PreviewLayout { PictureOnly = 0, StripBelow = 1, StripRight = 2 };

// How the pane looks; the defaults are the file dialogs' own.
struct PreviewStyle {
    ColorRef pictureFill = MakeRgb(208, 208, 208);
    ColorRef textFill = MakeRgb(238, 238, 238);
    ColorRef titleFill = MakeRgb(238, 238, 238);
    ColorRef textColor = MakeRgb(0, 0, 0);
    PreviewLayout layout = PreviewLayout::StripBelow;
    int stripHeight = 40;
    int stripWidth = 63;
    int fontHeight = 13;
    int lineSpacing = 3;
};

class FilePreviewWnd : public QWidget
{
    Q_OBJECT
public:
    enum Mode { Nothing = 0, ShowingPicture = 1, ShowingTitle = 2 };

    explicit FilePreviewWnd(const PreviewStyle& style = PreviewStyle(), QWidget* parent = nullptr);

    // A program path; an empty one clears the pane.
    void SetFile(const std::string& path);

    Mode CurrentMode() const { return m_mode; }
    // The texts as shown.
    const std::string& HeightText() const { return m_heightText; }
    const std::string& WidthText() const { return m_widthText; }
    const std::string& SizeText() const { return m_sizeText; }
    const std::string& TitleText() const { return m_titleText; }
    const QFont& PaneFont() const { return m_font; }

    // Within the path limit the pane previews a file at all: bytes of the
    // path in Shift-JIS, as the dialogs have always counted them.
    static constexpr std::size_t kMaxPathBytes = 256;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowPictureFile(const std::string& path);
    void PaintFrame(QPainter& painter) const;
    void PaintPicture(QPainter& painter) const;
    void PaintStripTexts(QPainter& painter, const QRect& strip) const;
    void PaintCentred(QPainter& painter, const QString& text) const;

    PreviewStyle m_style;
    MapPicture m_picture;
    std::string m_heightText;
    std::string m_widthText;
    std::string m_sizeText;
    std::string m_titleText;
    Mode m_mode = Nothing;
    QFont m_font;
    Rect m_inner;
};
