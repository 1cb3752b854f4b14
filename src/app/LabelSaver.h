#pragma once
// Save, Save As and the save question before a modified label closes.
#include <QObject>

class CCovermintDoc;
class QWidget;

class CLabelSaver : public QObject
{
    Q_OBJECT
public:
    explicit CLabelSaver(QWidget* dialogParent) : m_parent(dialogParent) {}

    // Writes under the current name, or asks for one when the label has no
    // file yet or the file is read-only. False when nothing was saved.
    bool Save(CCovermintDoc& document);
    bool SaveAs(CCovermintDoc& document);
    // "Save changes to ...?" for a modified label: Yes saves, No discards,
    // Cancel (or a failed save) keeps the label open. True: it may close.
    bool QueryClose(CCovermintDoc& document);

signals:
    void documentSaved(const QString& path);

private:
    bool SaveUnder(CCovermintDoc& document, const QString& chosenPath);

    QWidget* m_parent;
};
