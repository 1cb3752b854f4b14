#pragma once
// Edits a CDDB disc: artist, title, year, genre, category, the track titles
// and the extended data. OK writes the fields back into the disc; Flags()
// then tells what changed (256 disc fields, 1024 tracks); a new disc counts
// as changed throughout.
#include "cd/CCddbDisc.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

class CDiscEditorDialog : public QDialog
{
    Q_OBJECT
public:
    CDiscEditorDialog(CCddbDisc& disc, int flags, QWidget* parent = nullptr);
    void accept() override;
    int Flags() const { return m_result; }

private:
    CCddbDisc& m_disc;
    bool m_newDisc;
    int m_result = 0;
    QLineEdit* m_artist;
    QLineEdit* m_title;
    QLineEdit* m_year;
    QLineEdit* m_genre;
    QComboBox* m_category;
    QPlainTextEdit* m_extended;
    QTableWidget* m_tracks;
};
