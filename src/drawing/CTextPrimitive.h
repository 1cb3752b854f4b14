#pragma once
// A piece of text, one or more CR LF separated lines, in one font, colour,
// rotation and justification, anchored at its top-left point. A special name
// binds it to header, CDDB or disk data, or today's date.
#include "drawing/CBoxPrimitive.h"
#include "base/FontSpec.h"
#include "drawing/FontHolder.h"

#include <QStringList>

class CTextPrimitive : public CBoxPrimitive, public IFontHolder
{
public:
    explicit CTextPrimitive(CDrawingEngine* owner);
    CTextPrimitive();

    const char* TypeName() const override { return "CTextPrimitive"; }
    void Assign(const CPrimitive& other) override;
    int Draw(QPainter& painter) override;
    void BeginCreate(QPoint viewPoint) override;
    QString GetDescription() const override;
    bool HitTest(QPoint viewPoint) const override;
    bool GrabHandle(QPoint) override { return false; }
    bool Intersects(const LRect& labelRect) const override;
    std::shared_ptr<CPrimitive> Clone() const override;

    QString Text() const { return m_text; }
    void SetText(const QString& text) { m_text = text; }
    const FontSpec& Font() const override { return m_font; }
    void SetFont(const FontSpec& font) override { m_font = font; }
    // Corner 1 is the anchor; corner 2 the anchor plus the unturned size of
    // the text in label units, as measured at the last drawing (equal to the
    // anchor before the first drawing).
    QPoint Anchor() const { return m_corner1; }
    QPoint ExtentCorner() const { return m_corner2; }
    LRect RawRect() const { return LRect(m_corner1, m_corner2); }
    // The box in label units used for hit tests, selection and status text.
    LRect BoundingBox() const;
    // Measures the text as drawing would, so the box is known before then.
    void UpdateExtent();

    // The special names, in the order the "Advanced Text Object" list shows them.
    enum class Special {
        None,
        CddbDiskTitle,
        CddbTrackListing,
        CddbExtendedDiskInformation,
        CddbExtendedTrackInformation,
        DiskSize,
        LabelName,
        LabelDescription,
        LabelAuthor,
        LabelCreateDate,
        CurrentDate,
    };
    static QString SpecialName(Special special);
    static const QStringList& SpecialNames();
    // "<Label Name>" and so on; empty for "None", "Current Date" and others.
    static QString Placeholder(const QString& specialName);

    // The fontSpec with a point size that can be drawn: sizes a hand-edited file
    // may hold (0, negative, not a number, 10,000) become the nearest of
    // 1 and 1440 points, so no font of zero or of many thousand pixels is made.
    static FontSpec DrawableFont(FontSpec fontSpec);
    // The quarter turn (0, 90, 180 or 270) that drawing uses for a stored
    // rotation of any value.
    static int QuarterTurn(int rotation);
    // How many times text was laid out and measured, by all text primitives;
    // drawing unchanged text at an unchanged zoom does not add to it.
    static long MeasureCount();

protected:
    std::vector<KeyedField> OwnFields() override;
    void FieldsLoaded() override;
    // Only the anchor is stored: the size is known once the text is drawn.
    void PersistPoints(bool storing, pugi::xml_node node) override;

private:
    struct Layout;
    std::shared_ptr<const Layout> LayoutFor(const QString& shown, int zoom);
    // The layout of the text shown now; sets the extent from it. Needs an owner.
    std::shared_ptr<const Layout> MeasuredLayout();

    FontSpec m_font;
    QString m_text;
    // The last measurement, shared with clones (it is never changed once made).
    std::shared_ptr<const Layout> m_layout;
};
