#include "panes/AreaGeometryField.h"

#include "model/CZephyrmapDoc.h"
#include "model/GeometryText.h"
#include "services/dialogs/ProgramMessage.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{

const char* CaptionFor(int shape)
{
    switch (shape) {
    case ShapeRect:
        return QT_TRANSLATE_NOOP("AreaGeometryField", "座標 X, Y, 幅, 高さ(&C)");
    case ShapeCirc:
        return QT_TRANSLATE_NOOP("AreaGeometryField", "中心 X, Y, 半径(&C)");
    case ShapePoly:
        return QT_TRANSLATE_NOOP("AreaGeometryField", "頂点 X,Y, X,Y, ...(&C)");
    default:
        return QT_TRANSLATE_NOOP("AreaGeometryField", "座標(&C)");
    }
}

} // namespace

AreaGeometryField::AreaGeometryField(CZephyrmapDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("AreaGeometry"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Coordinates"));
    m_label = new QLabel(this);
    m_label->setBuddy(m_edit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_edit);
    connect(m_edit, &QLineEdit::editingFinished, this, &AreaGeometryField::Apply);
    ShowArea(-1);
}

void AreaGeometryField::ShowArea(int index)
{
    const CMapData* area = m_doc.AreaAt(index);
    const bool shown = area && area->m_shape != ShapeDefault;
    m_index = shown ? index : -1;
    m_label->setText(tr(CaptionFor(shown ? area->m_shape : ShapeNone)));
    m_label->setEnabled(shown);
    m_edit->setEnabled(shown);
    ShowText();
}

void AreaGeometryField::Refresh()
{
    if (m_edit->hasFocus() && m_edit->isModified())
        return;
    ShowArea(m_index);
}

void AreaGeometryField::ShowText()
{
    const CMapData* area = m_doc.AreaAt(m_index);
    m_edit->setText(area ? QString::fromStdString(geometrytext::Format(*area)) : QString());
    m_edit->setModified(false);
}

void AreaGeometryField::Apply()
{
    const CMapData* area = m_doc.AreaAt(m_index);
    if (!area || !m_edit->isModified())
        return;
    m_edit->setModified(false);
    const geometrytext::Parsed parsed = geometrytext::Parse(*area, m_edit->text().toStdString());
    if (!parsed.points) {
        ProgramMessage::Show(this, QMessageBox::Warning, kErrorCaption, RefusalText(parsed.refusal));
        ShowText();
        return;
    }
    const int index = m_index;
    m_doc.ReshapeAreaUndoable(index, *parsed.points);
    ShowArea(index);
}

QString AreaGeometryField::RefusalText(geometrytext::Refusal refusal)
{
    using geometrytext::Refusal;
    switch (refusal) {
    case Refusal::NotWholeNumbers:
        return tr("座標には整数を、カンマか空白で区切って入力してください。");
    case Refusal::WrongCount:
        return tr("四角形には X, Y, 幅, 高さの4つ、円形には中心の X, Y と半径の3つの数を入力してください。");
    case Refusal::NotPositive:
        return tr("幅、高さ、半径は1以上にしてください。");
    case Refusal::OddCount:
        return tr("多角形の頂点は X と Y の組で入力してください。数が奇数です。");
    case Refusal::TooFewVertices:
        return tr("多角形には3つ以上の頂点が必要です。");
    case Refusal::TooLarge:
        return tr("座標が大きすぎます。%1 までの数を入力してください。").arg(geometrytext::kLargest);
    default:
        return QString();
    }
}
