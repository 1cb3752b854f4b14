#pragma once
// "Advanced Text Object": binds a text primitive to one of the special names
// and fills its text with the value that name stands for.
#include "drawing/CTextPrimitive.h"

#include <QDialog>

class CCovermintDoc;
class QComboBox;

class CTextPrimitiveName : public QDialog
{
    Q_OBJECT
public:
    CTextPrimitiveName(CTextPrimitive& text, CCovermintDoc& document, QWidget* parent = nullptr);

    // Whether OK applied a chosen entry (OK with no entry chosen changes nothing).
    bool Chosen() const { return m_chosen; }
    // The value the chosen name gave, or its placeholder; empty for "None".
    QString ResultText() const { return m_result; }

    void accept() override;

private:
    // The stored value behind a special name, empty when there is none.
    QString ValueOf(CTextPrimitive::Special special) const;

    CTextPrimitive& m_text;
    CCovermintDoc& m_document;
    QComboBox* m_names;
    QString m_result;
    bool m_chosen = false;
};
