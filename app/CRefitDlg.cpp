#include "app/CRefitDlg.h"

#include "services/language/ProgramTexts.h"
#include "services/picture/MapPicture.h"
#include "services/picture/PictureRefit.h"
#include "services/refit/MapRefit.h"
#include "services/refit/RefitTexts.h"

#include "ui_CRefitDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace
{

// Scales to a thousandth, degrees and pixels to a tenth.
QString Scale(double v)
{
    return QString::number(v, 'f', 3);
}

QString Tenths(double v)
{
    return QString::number(std::abs(v) < 0.05 ? 0.0 : v, 'f', 1);
}

} // namespace

CRefitDlg::CRefitDlg(const RefitSetup& setup, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CRefitDlg>()), m_setup(setup),
      m_newSize(picturerefit::SizeOf(*setup.newer))
{
    m_ui->setupUi(this);
    m_ui->buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    RefitCanvas& canvas = Canvas();
    canvas.SetPictures(setup.older, *setup.newer);
    canvas.SetAreas(setup.areas);
    const PictureTransform guide =
        setup.found.Ok() ? setup.found.transform
                         : TransformFinder::FromSizes(setup.oldFrame, m_newSize).transform; // one pair shifts it
    Overlay().setEnabled(canvas.CanOverlay());
    connect(&canvas, &RefitCanvas::Changed, this, &CRefitDlg::Update);
    connect(&Overlay(), &QCheckBox::toggled, &canvas, &RefitCanvas::SetOverlay);
    connect(&ClearPoints(), &QPushButton::clicked, &canvas, &RefitCanvas::ClearPairs);
    canvas.SetGuide(guide, setup.found.Ok());
}

CRefitDlg::~CRefitDlg() = default;

RefitCanvas& CRefitDlg::Canvas() const
{
    return *m_ui->canvas;
}
QLabel& CRefitDlg::Summary() const
{
    return *m_ui->summary;
}
QCheckBox& CRefitDlg::Overlay() const
{
    return *m_ui->overlay;
}
QPushButton& CRefitDlg::ClearPoints() const
{
    return *m_ui->clearPoints;
}
QPushButton& CRefitDlg::OkButton() const
{
    return *m_ui->buttons->button(QDialogButtonBox::Ok);
}

RefitMethod CRefitDlg::Method() const
{
    return Canvas().Pairs().empty() ? m_setup.found.method : RefitMethod::ReferencePoints;
}

QString CRefitDlg::MethodText() const
{
    const RefitCanvas& canvas = Canvas();
    if (canvas.PairFailure() != ReferenceFailure::None)
        return programtexts::Translate(refittexts::ReferenceFailureText(canvas.PairFailure()));
    if (!canvas.Pairs().empty())
        return tr("基準点から求めました(%1 / 3 組)。").arg(canvas.Pairs().size());
    const RefitResult& found = m_setup.found;
    if (!found.Ok())
        return programtexts::Translate(refittexts::FailureText(found.failure)) + QLatin1Char(' ') +
               tr("基準点をドラッグすれば合わせられます。");
    switch (found.method) {
    case RefitMethod::Features:
        return tr("特徴の一致から求めました(%1 / %2 個が一致、残差 %3 ピクセル)。")
            .arg(found.agreeing)
            .arg(found.matched)
            .arg(QString::number(found.residual, 'f', 2));
    case RefitMethod::SizeRatio:
        return tr("手がかりになる特徴が少ないため、画像の大きさの比から求めました。");
    default:
        return tr("元の画像がないため、マップの大きさ(%1×%2)と新しい画像の大きさの比から求めました。")
            .arg(m_setup.oldFrame.width)
            .arg(m_setup.oldFrame.height);
    }
}

QString CRefitDlg::OutsideText(const PictureTransform& t) const
{
    QStringList outside;
    for (std::size_t i = 0; i < m_setup.areas.size(); ++i) {
        const auto& [shape, points] = m_setup.areas[i];
        if (maprefit::WhollyOutside(shape, maprefit::Carried(shape, points, t, m_newSize), m_newSize))
            outside << QString::number(i);
    }
    return outside.isEmpty() ? QString() : tr("新しい画像の外に出るエリア: %1").arg(outside.join(QStringLiteral(", ")));
}

void CRefitDlg::Update()
{
    QStringList lines{MethodText()};
    const std::optional<PictureTransform> t = Transform();
    if (t) {
        lines << tr("倍率 横 %1 × 縦 %2、回転 %3°、移動 (%4, %5)")
                     .arg(Scale(t->ScaleX()), Scale(t->ScaleY()), Tenths(t->RotationDegrees()), Tenths(t->C()),
                          Tenths(t->F()));
        const QString outside = OutsideText(*t);
        if (!outside.isEmpty())
            lines << outside;
    }
    Summary().setText(lines.join(QLatin1Char('\n')));
    OkButton().setEnabled(t.has_value());
}
