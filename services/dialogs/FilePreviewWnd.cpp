#include "services/dialogs/FilePreviewWnd.h"

#include "services/fileinfo/HtmlTitle.h"
#include "services/fileinfo/PictureInfo.h"
#include "services/paths/LocalFile.h"
#include "services/picture/QtText.h"
#include "services/text/Utf8Bridge.h"
#include "services/text/Utf8String.h"

#include <QFontDatabase>
#include <QPainter>

#include <algorithm>

namespace
{

const ColorRef kPicturePaneFill = MakeRgb(208, 208, 208);
const QColor kPlaceholderColor(119, 119, 119);

// The system's Japanese sans-serif face: a proportional gothic first.
QString JapaneseSansFamily()
{
    const QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
    for (const char* hint : {"PGothic", "Pゴシック", "Gothic", "ゴシック", "Sans"})
        for (const QString& family : families)
            if (family.contains(QString::fromUtf8(hint), Qt::CaseInsensitive) &&
                !family.contains(QLatin1String("Mono")))
                return family;
    return families.isEmpty() ? QString() : families.first();
}

QFont MakePaneFont(int characterHeight)
{
    const QString preferred = QStringLiteral("ＭＳ Ｐゴシック");
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamily(QFontDatabase::families().contains(preferred) ? preferred : JapaneseSansFamily());
    font.setPixelSize(characterHeight);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::PreferQuality);
    return font;
}

QRect ToQRect(const Rect& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

std::string HeightLabel()
{
    return FromQString(FilePreviewWnd::tr("高さ "));
}

std::string WidthLabel()
{
    return FromQString(FilePreviewWnd::tr("幅 "));
}

} // namespace

FilePreviewWnd::FilePreviewWnd(const PreviewStyle& style, QWidget* parent)
    : QWidget(parent), m_style(style), m_font(MakePaneFont(style.fontHeight))
{
}

void FilePreviewWnd::SetFile(const std::string& path)
{
    m_heightText.clear();
    m_widthText.clear();
    m_sizeText.clear();
    m_titleText.clear();
    m_mode = Nothing;
    if (utf8::Utf8ToSjis(path).size() <= kMaxPathBytes && localfile::IsRegularFile(localfile::PathOf(path))) {
        const std::string ext = utf8::ToLower(pictureinfo::ExtensionOf(path));
        if (ext == "jpg" || ext == "jpeg" || ext == "gif" || ext == "bmp" || ext == "png") {
            ShowPictureFile(path);
        } else if (ext.find("htm") != std::string::npos) {
            std::string title;
            if (htmltitle::ReadHtmlTitle(path, title))
                m_mode = ShowingTitle;
            m_titleText = "[ " + title + " ]";
        }
    }
    update();
}

void FilePreviewWnd::ShowPictureFile(const std::string& path)
{
    m_picture.SetBackgroundColor(kPicturePaneFill);
    if (!m_picture.Load(path))
        return;
    std::string h, w, size;
    m_picture.GetInfoText(&h, &w, &size);
    m_heightText = HeightLabel() + h;
    m_widthText = WidthLabel() + w;
    m_sizeText = size + FromQString(tr(" kbyte"));
    m_mode = ShowingPicture;
}

void FilePreviewWnd::resizeEvent(QResizeEvent* event)
{
    m_inner = Rect{1, 1, width() - 1, height() - 1};
    QWidget::resizeEvent(event);
}

void FilePreviewWnd::paintEvent(QPaintEvent*)
{
    if (m_inner.IsEmpty())
        return;
    QPainter painter(this);
    PaintFrame(painter);
    painter.setFont(m_font);
    const QRect inner = ToQRect(m_inner);
    switch (m_mode) {
    case ShowingPicture:
        PaintPicture(painter);
        break;
    case ShowingTitle:
        painter.fillRect(inner, ToQColor(m_style.titleFill));
        painter.setPen(ToQColor(m_style.textColor));
        PaintCentred(painter, ToQString(m_titleText));
        break;
    case Nothing:
        painter.fillRect(inner, palette().color(QPalette::Button));
        painter.setPen(kPlaceholderColor);
        painter.drawText(inner, Qt::AlignCenter, tr("Preview"));
        break;
    }
}

// A sunken edge one pixel wide: shadow along the top and left, white along
// the bottom and right.
void FilePreviewWnd::PaintFrame(QPainter& painter) const
{
    const int l = m_inner.left - 1, t = m_inner.top - 1, r = m_inner.right, b = m_inner.bottom;
    const QColor shadow = palette().color(QPalette::Dark);
    painter.fillRect(QRect(l, t, r - l + 1, 1), shadow);
    painter.fillRect(QRect(l, t, 1, b - t), shadow);
    painter.fillRect(QRect(l, b, r - l, 1), Qt::white);
    painter.fillRect(QRect(r, t + 2, 1, b - t - 1), Qt::white);
}

void FilePreviewWnd::PaintPicture(QPainter& painter) const
{
    Rect pictureArea = m_inner;
    QRect strip;
    if (m_style.layout == PreviewLayout::StripBelow) {
        pictureArea.bottom = std::max(m_inner.top, m_inner.bottom - m_style.stripHeight);
        strip =
            QRect(m_inner.left, pictureArea.bottom, m_inner.right - m_inner.left, m_inner.bottom - pictureArea.bottom);
    } else if (m_style.layout == PreviewLayout::StripRight) {
        pictureArea.right = std::max(m_inner.left, m_inner.right - m_style.stripWidth);
        strip = QRect(pictureArea.right, m_inner.top, m_inner.right - pictureArea.right, m_inner.bottom - m_inner.top);
    }
    painter.fillRect(ToQRect(pictureArea), ToQColor(m_style.pictureFill));
    if (!strip.isEmpty())
        painter.fillRect(strip, ToQColor(m_style.textFill));
    m_picture.Draw(painter, m_picture.FitRect(pictureArea));
    if (!strip.isEmpty())
        PaintStripTexts(painter, strip);
}

void FilePreviewWnd::PaintStripTexts(QPainter& painter, const QRect& strip) const
{
    const QFontMetrics metrics(m_font);
    const int lineHeight = metrics.height();
    const int step = lineHeight + m_style.lineSpacing;
    painter.setPen(ToQColor(m_style.textColor));
    auto line = [&](int x, int top, const std::string& text) {
        painter.drawText(QPoint(x, top + metrics.ascent()), ToQString(text));
    };
    if (m_style.layout == PreviewLayout::StripBelow) {
        const std::string first = m_widthText + " " + m_heightText;
        const int x = (strip.width() - metrics.horizontalAdvance(ToQString(first)) - 7) / 2;
        const int y = strip.top() + (m_style.stripHeight - 2 * lineHeight - m_style.lineSpacing) / 2;
        line(x, y, first);
        line(x, y + step, m_sizeText);
        return;
    }
    const int x = strip.left() + 4;
    const int y = strip.top() + strip.height() - 3 * lineHeight - 2 * m_style.lineSpacing;
    line(x, y, m_widthText);
    line(x, y + step, m_heightText);
    line(x, y + 2 * step, m_sizeText);
}

void FilePreviewWnd::PaintCentred(QPainter& painter, const QString& text) const
{
    const QFontMetrics metrics(m_font);
    const int x = std::max(0, (width() - metrics.horizontalAdvance(text)) / 2);
    const int y = (height() - metrics.height()) / 2;
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}
