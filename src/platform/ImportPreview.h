#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zek {

// What the import of a word list would do, shown before anything is written.
struct ImportPreview {
    QString title; // "Wortliste importieren"
    QString counts; // "12 neue Karten, 3 schon vorhanden, 1 abgelehnt"
    QStringList refused; // "Zeile 4: kein Grundwort"
    QList<QStringList> newCards; // base word, related word, phrase
};

} // namespace zek
