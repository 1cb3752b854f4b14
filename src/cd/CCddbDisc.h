#pragma once
// A disc as the CDDB client hands it out: where it lives in the database
// (category and id) and, once read, its xmcd entry. Titles come unescaped;
// extended data stays as stored, for the dialog's own cleaning.
#include "cd/XmcdRecord.h"

#include <QString>

struct CCddbDisc
{
    QString category;
    QString discId;
    QString matchTitle;   // "artist / title" from the query, before a read
    CXmcdRecord record;
    bool hasRecord = false;
    bool fromDatabase = false;

    // "category discid" of a database disc; empty for a new one.
    QString Identifier() const;
    QString Artist() const;
    QString Title() const;
    QString ExtendedData() const { return record.extd; }
    int TrackCount() const { return record.TrackCount(); }
    // Tracks numbered from 1; out of range gives an empty text.
    QString TrackTitle(int track) const;
    QString TrackExtendedData(int track) const;
    // What a chooser lists: "rock: Artist / Title".
    QString ChoiceText() const;
};

// The eleven categories of the database, in its order.
const QStringList& CddbCategories();
