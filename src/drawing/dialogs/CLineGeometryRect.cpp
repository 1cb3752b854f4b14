#include "drawing/dialogs/CLineGeometryRect.h"

#include "document/CCovermintDoc.h"
#include "drawing/CRectangle.h"
#include "toolkit/InchEdit.h"

#include <QGridLayout>
#include <QLabel>

namespace {
void AddPoint(QGridLayout* grid, int row, const QString& label, CInchEdit*& x, CInchEdit*& y)
{
    x = new CInchEdit;
    y = new CInchEdit;
    x->setObjectName(QStringLiteral("Point%1X").arg(row + 1));
    y->setObjectName(QStringLiteral("Point%1Y").arg(row + 1));
    auto* caption = new QLabel(label);
    caption->setBuddy(x);
    grid->addWidget(caption, row, 0);
    grid->addWidget(x, row, 1);
    grid->addWidget(new QLabel(QStringLiteral(",")), row, 2);
    grid->addWidget(y, row, 3);
}
} // namespace

CLineGeometryRect::CLineGeometryRect(CLine& line, CCovermintDoc& document, QWidget* parent)
    : CApplyDialog(parent), m_line(line), m_document(document)
{
    setWindowTitle(tr("Line Properties"));
    auto* grid = new QGridLayout;
    AddPoint(grid, 0, tr("Point 1 :"), m_x1, m_y1);
    AddPoint(grid, 1, tr("Point 2 :"), m_x2, m_y2);
    SetForm(grid);

    // The ends themselves, not their box: applying the dialog unchanged must
    // not turn a rising line into a falling one.
    QPoint p1, p2;
    line.GetCorners(p1, p2);
    m_x1->SetInches(UnitsToInches(p1.x()));
    m_y1->SetInches(UnitsToInches(-p1.y()));
    m_x2->SetInches(UnitsToInches(p2.x()));
    m_y2->SetInches(UnitsToInches(-p2.y()));
}

bool CLineGeometryRect::ApplyChanges()
{
    double v[4];
    if (!ReadInchFields({{m_x1, tr("Point 1 x")}, {m_y1, tr("Point 1 y")},
                         {m_x2, tr("Point 2 x")}, {m_y2, tr("Point 2 y")}},
                        v))
        return false;
    m_line.SetCorners(QPoint(InchesToUnits(v[0]), InchesToUnits(-v[1])),
                      QPoint(InchesToUnits(v[2]), InchesToUnits(-v[3])));
    // The new ends are saved with the label, so closing must ask to save.
    m_document.SetModifiedFlag(true);
    m_document.UpdateAllViews();
    return true;
}
