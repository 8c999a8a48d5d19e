#pragma once
// The selected area's geometry as numbers, below the area page's link
// attributes: a rectangle's X, Y, width and height, a circle's centre and
// radius, a polygon's vertices in the COORDS form. Enter, or leaving the
// field, gives the area what was typed as one undo step; what cannot be
// that area is refused with a message and the field shows the area again.

#include <QWidget>

namespace geometrytext
{
enum class Refusal;
}

class CZephyrmapDoc;
class QLabel;
class QLineEdit;

class AreaGeometryField : public QWidget
{
    Q_OBJECT
public:
    AreaGeometryField(CZephyrmapDoc& doc, QWidget* parent = nullptr);

    // Shows the area at list index `index`; -1 (none, several, DEFAULT)
    // leaves the field empty and off.
    void ShowArea(int index);
    // The shown area may have been moved or reshaped elsewhere: shown again,
    // unless something is being typed.
    void Refresh();

    QLineEdit* Edit() const { return m_edit; }
    QLabel* Label() const { return m_label; }
    static QString RefusalText(geometrytext::Refusal refusal);

private:
    void Apply();
    void ShowText();

    CZephyrmapDoc& m_doc;
    int m_index = -1;
    QLabel* m_label = nullptr;
    QLineEdit* m_edit = nullptr;
};
